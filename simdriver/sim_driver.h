/* State shared by the parts of the simulated driver. */
#ifndef QOR_SIM_DRIVER_H
#define QOR_SIM_DRIVER_H

#include <ntifs.h>

#include "scenario.h"

struct sim_driver {
    PDEVICE_OBJECT device;
    struct scenario* scenario;  /* immutable once loaded */
    LONGLONG started;           /* performance counter at load */
    UNICODE_STRING service_key; /* our own copy of the registry path */

    /* Guards the fields below, which requests and the link keeper change. */
    KMUTEX lock;
    int link_present;
    unsigned char last_rts[SCENARIO_RTS_SIZE];
    ULONG rts_requests; /* how many RTS requests were taken */

    /* The link keeper thread and the event that tells it to stop. */
    HANDLE keeper;
    KEVENT stop;
};

extern struct sim_driver g_sim;

/* Milliseconds since the driver was loaded: the scenario's clock. */
ULONGLONG sim_elapsed_ms(void);
const struct scenario_step* sim_current_step(void);

/* The device's DOS link follows the scenario's gone steps (link_keeper.c). */
NTSTATUS link_keeper_start(void);
void link_keeper_stop(void);

/* IRP_MJ_DEVICE_CONTROL (device_requests.c). */
NTSTATUS WINAPI device_control(PDEVICE_OBJECT device, PIRP irp);

/* Values under the service key (service_values.c). */
NTSTATUS service_value_read_string(PCWSTR name, UNICODE_STRING* out);
void service_value_write_string(PCWSTR name, const char* text);
void service_value_write_binary(PCWSTR name, const void* data, ULONG size);
void service_value_write_dword(PCWSTR name, ULONG value);

/* Reads and parses the scenario file the service key names (scenario_file.c). */
NTSTATUS scenario_file_load(struct scenario* out);

/* The device and its DOS link; programs open it as "\\.\QORPORT ". */
#define SIM_DEVICE_NAME L"\\Device\\QORPORT"
#define SIM_LINK_NAME L"\\DosDevices\\QORPORT"

#define SIM_POOL_TAG 0x6d69734fu /* "Osim" */

#endif
