/* The three requests of the modem driver, answered from the scenario's step in
 * force. Request numbers are raw: their low two bits choose how the buffers
 * travel (1 and 2 direct, 3 neither), and each answer is written where that
 * method puts the caller's output buffer, never beyond its length. */
#include "sim_driver.h"

#define REQUEST_GET_STATUS 2049u
#define REQUEST_GET_STATISTICS 2050u
#define REQUEST_SET_RTS 2051u

#define RTS_FREQUENCY_OFFSET 4     /* in the RTS request */
#define STATISTICS_RTS_OFFSET 30   /* in the statistics record */

static void* output_buffer(PIRP irp, ULONG code, ULONG length) {
    if (length == 0) return NULL;
    switch (code & 3u) {
    case METHOD_IN_DIRECT:
    case METHOD_OUT_DIRECT:
        return irp->MdlAddress != NULL
                   ? MmGetSystemAddressForMdlSafe(irp->MdlAddress, NormalPagePriority)
                   : NULL;
    case METHOD_NEITHER: return irp->UserBuffer;
    default: return irp->AssociatedIrp.SystemBuffer;
    }
}

static const void* input_buffer(PIRP irp, PIO_STACK_LOCATION stack, ULONG code) {
    return (code & 3u) == METHOD_NEITHER ? stack->Parameters.DeviceIoControl.Type3InputBuffer
                                         : irp->AssociatedIrp.SystemBuffer;
}

/* Takes an RTS request: kept for tests in the service key, and its frequency is
 * the one the statistics report from now on. */
static void take_rts_request(const unsigned char* request) {
    ULONG count;
    KeWaitForSingleObject(&g_sim.lock, Executive, KernelMode, FALSE, NULL);
    RtlCopyMemory(g_sim.last_rts, request, SCENARIO_RTS_SIZE);
    count = ++g_sim.rts_requests;
    service_value_write_binary(L"LastRtsRequest", request, SCENARIO_RTS_SIZE);
    service_value_write_dword(L"RtsRequests", count);
    KeReleaseMutex(&g_sim.lock, FALSE);
}

static void statistics_now(const struct scenario_step* step, unsigned char* out) {
    RtlCopyMemory(out, step->statistics, SCENARIO_STATISTICS_SIZE);
    KeWaitForSingleObject(&g_sim.lock, Executive, KernelMode, FALSE, NULL);
    if (g_sim.rts_requests > 0)
        RtlCopyMemory(out + STATISTICS_RTS_OFFSET, g_sim.last_rts + RTS_FREQUENCY_OFFSET, 2);
    KeReleaseMutex(&g_sim.lock, FALSE);
}

static int request_of(ULONG code, enum scenario_request* request) {
    switch (code) {
    case REQUEST_GET_STATUS: *request = SCENARIO_REQUEST_STATUS; return 1;
    case REQUEST_GET_STATISTICS: *request = SCENARIO_REQUEST_STATISTICS; return 1;
    case REQUEST_SET_RTS: *request = SCENARIO_REQUEST_RTS; return 1;
    default: return 0;
    }
}

/* Fills answer (room for the longest answer, zeroed) for request. */
static NTSTATUS prepare_answer(PIRP irp, PIO_STACK_LOCATION stack, enum scenario_request request,
                               const struct scenario_step* step, unsigned char* answer) {
    const unsigned char* in;
    switch (request) {
    case SCENARIO_REQUEST_STATUS:
        RtlCopyMemory(answer, step->status, SCENARIO_STATUS_SIZE);
        return STATUS_SUCCESS;
    case SCENARIO_REQUEST_STATISTICS:
        statistics_now(step, answer);
        return STATUS_SUCCESS;
    default:
        in = input_buffer(irp, stack, REQUEST_SET_RTS);
        if (in == NULL || stack->Parameters.DeviceIoControl.InputBufferLength < SCENARIO_RTS_SIZE)
            return STATUS_INVALID_PARAMETER;
        take_rts_request(in);
        /* The answer echoes the request as taken. */
        RtlCopyMemory(answer, in, SCENARIO_RTS_SIZE);
        return STATUS_SUCCESS;
    }
}

/* Answers one request. The byte count reported is the scenario's (one more or
 * one less than the record when it plays that fault), but never more bytes are
 * written than the caller's buffer holds. A refused request, or one whose output
 * buffer is smaller than the record, is not taken (an RTS request changes
 * nothing). */
static NTSTATUS answer_request(PIRP irp, PIO_STACK_LOCATION stack) {
    const ULONG code = stack->Parameters.DeviceIoControl.IoControlCode;
    const ULONG out_length = stack->Parameters.DeviceIoControl.OutputBufferLength;
    const struct scenario_step* step = sim_current_step();
    unsigned char answer[SCENARIO_STATISTICS_SIZE + 1] = {0};
    enum scenario_request request;
    unsigned char* out;
    ULONG size;
    NTSTATUS status;

    if (step->gone) return STATUS_DEVICE_NOT_CONNECTED;
    if (!request_of(code, &request)) return STATUS_INVALID_DEVICE_REQUEST;
    size = scenario_answer_size(step, request);
    if (size == 0) return STATUS_UNSUCCESSFUL;
    if (out_length < scenario_record_size(request)) return STATUS_BUFFER_TOO_SMALL;
    out = output_buffer(irp, code, out_length);
    if (out == NULL) return STATUS_INVALID_USER_BUFFER;
    status = prepare_answer(irp, stack, request, step, answer);
    if (!NT_SUCCESS(status)) return status;
    RtlCopyMemory(out, answer, size < out_length ? size : out_length);
    irp->IoStatus.Information = size;
    return STATUS_SUCCESS;
}

NTSTATUS WINAPI device_control(PDEVICE_OBJECT device, PIRP irp) {
    NTSTATUS status;
    (void)device;
    irp->IoStatus.Information = 0;
    status = answer_request(irp, IoGetCurrentIrpStackLocation(irp));
    irp->IoStatus.Status = status;
    IoCompleteRequest(irp, IO_NO_INCREMENT);
    return status;
}
