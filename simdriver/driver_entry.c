/* Loading and unloading the simulated modem driver, and opening and closing its
 * device. */
#include "sim_driver.h"

struct sim_driver g_sim;

/* The performance counter: Wine does not advance the interrupt time that
 * KeQueryInterruptTime reads. */
ULONGLONG sim_elapsed_ms(void) {
    LARGE_INTEGER frequency;
    const LARGE_INTEGER now = KeQueryPerformanceCounter(&frequency);
    return (ULONGLONG)(now.QuadPart - g_sim.started) * 1000u / (ULONGLONG)frequency.QuadPart;
}

const struct scenario_step* sim_current_step(void) {
    return scenario_step_at(g_sim.scenario, sim_elapsed_ms());
}

/* A close or cleanup is accepted at any time, gone or not. An open is refused
 * while the scenario says the driver is gone, even in the moment before the link
 * keeper has removed the link, and as the missing link would refuse it (file not
 * found). */
static NTSTATUS WINAPI create_close(PDEVICE_OBJECT device, PIRP irp) {
    PIO_STACK_LOCATION stack = IoGetCurrentIrpStackLocation(irp);
    NTSTATUS status = STATUS_SUCCESS;
    (void)device;
    if (stack->MajorFunction == IRP_MJ_CREATE && sim_current_step()->gone)
        status = STATUS_OBJECT_NAME_NOT_FOUND;
    irp->IoStatus.Status = status;
    irp->IoStatus.Information = 0;
    IoCompleteRequest(irp, IO_NO_INCREMENT);
    return status;
}

static void release_all(PDRIVER_OBJECT driver) {
    (void)driver;
    if (g_sim.device != NULL) IoDeleteDevice(g_sim.device);
    if (g_sim.scenario != NULL) ExFreePoolWithTag(g_sim.scenario, SIM_POOL_TAG);
    if (g_sim.service_key.Buffer != NULL) ExFreePoolWithTag(g_sim.service_key.Buffer, SIM_POOL_TAG);
    RtlZeroMemory(&g_sim, sizeof g_sim);
}

static void WINAPI driver_unload(PDRIVER_OBJECT driver) {
    link_keeper_stop();
    release_all(driver);
}

static NTSTATUS copy_service_key(PCUNICODE_STRING path) {
    g_sim.service_key.Buffer = ExAllocatePoolWithTag(PagedPool, path->Length, SIM_POOL_TAG);
    if (g_sim.service_key.Buffer == NULL) return STATUS_INSUFFICIENT_RESOURCES;
    RtlCopyMemory(g_sim.service_key.Buffer, path->Buffer, path->Length);
    g_sim.service_key.Length = path->Length;
    g_sim.service_key.MaximumLength = path->Length;
    return STATUS_SUCCESS;
}

static NTSTATUS start(PDRIVER_OBJECT driver, PCUNICODE_STRING registry_path) {
    UNICODE_STRING name;
    NTSTATUS status = copy_service_key(registry_path);
    if (!NT_SUCCESS(status)) return status;

    g_sim.scenario = ExAllocatePoolWithTag(PagedPool, sizeof *g_sim.scenario, SIM_POOL_TAG);
    if (g_sim.scenario == NULL) return STATUS_INSUFFICIENT_RESOURCES;
    status = scenario_file_load(g_sim.scenario);
    if (!NT_SUCCESS(status)) return status;

    RtlInitUnicodeString(&name, SIM_DEVICE_NAME);
    status = IoCreateDevice(driver, 0, &name, FILE_DEVICE_UNKNOWN, 0, FALSE, &g_sim.device);
    if (!NT_SUCCESS(status)) return status;

    KeInitializeMutex(&g_sim.lock, 0);
    /* The count of RTS requests belongs to this run of the driver. */
    service_value_write_dword(L"RtsRequests", 0);
    g_sim.started = KeQueryPerformanceCounter(NULL).QuadPart;
    return link_keeper_start();
}

NTSTATUS WINAPI DriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING registry_path) {
    NTSTATUS status;
    RtlZeroMemory(&g_sim, sizeof g_sim);
    driver->MajorFunction[IRP_MJ_CREATE] = create_close;
    driver->MajorFunction[IRP_MJ_CLOSE] = create_close;
    driver->MajorFunction[IRP_MJ_CLEANUP] = create_close;
    driver->MajorFunction[IRP_MJ_DEVICE_CONTROL] = device_control;
    driver->DriverUnload = driver_unload;

    status = start(driver, registry_path);
    if (!NT_SUCCESS(status)) release_all(driver);
    return status;
}
