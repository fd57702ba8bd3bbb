/* The link keeper: a thread that removes the device's DOS link while the
 * scenario says the driver is gone and creates it again afterwards, so that opens
 * fail and succeed as with a driver that was unloaded and loaded again. It wakes
 * at every step boundary and when told to stop. */
#include "sim_driver.h"


static void set_link(int present) {
    UNICODE_STRING link, device;
    RtlInitUnicodeString(&link, SIM_LINK_NAME);
    RtlInitUnicodeString(&device, SIM_DEVICE_NAME);
    KeWaitForSingleObject(&g_sim.lock, Executive, KernelMode, FALSE, NULL);
    if (present && !g_sim.link_present)
        g_sim.link_present = NT_SUCCESS(IoCreateSymbolicLink(&link, &device));
    else if (!present && g_sim.link_present)
        g_sim.link_present = !NT_SUCCESS(IoDeleteSymbolicLink(&link));
    KeReleaseMutex(&g_sim.lock, FALSE);
}

static void WINAPI keeper(void* context) {
    (void)context;
    for (;;) {
        const ULONGLONG elapsed = sim_elapsed_ms();
        const ULONGLONG wait_ms = scenario_time_to_next_step(g_sim.scenario, elapsed);
        LARGE_INTEGER timeout;
        set_link(!scenario_step_at(g_sim.scenario, elapsed)->gone);
        timeout.QuadPart = -(LONGLONG)wait_ms * 10000;
        if (KeWaitForSingleObject(&g_sim.stop, Executive, KernelMode, FALSE,
                                  wait_ms != 0 ? &timeout : NULL) == STATUS_SUCCESS)
            break;
    }
    set_link(0);
    PsTerminateSystemThread(STATUS_SUCCESS);
}

NTSTATUS link_keeper_start(void) {
    NTSTATUS status;
    KeInitializeEvent(&g_sim.stop, NotificationEvent, FALSE);
    /* The link exists before the driver reports itself started, unless the
     * scenario begins gone. */
    set_link(!scenario_step_at(g_sim.scenario, 0)->gone);
    status = PsCreateSystemThread(&g_sim.keeper, THREAD_ALL_ACCESS, NULL, NULL, NULL, keeper, NULL);
    if (!NT_SUCCESS(status)) {
        g_sim.keeper = NULL;
        set_link(0);
    }
    return status;
}

void link_keeper_stop(void) {
    if (g_sim.keeper == NULL) return;
    KeSetEvent(&g_sim.stop, IO_NO_INCREMENT, FALSE);
    ZwWaitForSingleObject(g_sim.keeper, FALSE, NULL);
    ZwClose(g_sim.keeper);
    g_sim.keeper = NULL;
}
