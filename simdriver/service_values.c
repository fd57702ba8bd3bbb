/* The values under the driver's own service key: where the scenario file is
 * named, and where the driver leaves what a test reads back (a scenario error,
 * the last RTS request). Writes are best effort: a failed write changes nothing
 * in how the driver answers. */
#include "sim_driver.h"

static NTSTATUS open_service_key(ACCESS_MASK access, HANDLE* key) {
    OBJECT_ATTRIBUTES attributes;
    InitializeObjectAttributes(&attributes, &g_sim.service_key, OBJ_CASE_INSENSITIVE, NULL, NULL);
    return ZwOpenKey(key, access, &attributes);
}

static void write_value(PCWSTR name, ULONG type, const void* data, ULONG size) {
    HANDLE key;
    UNICODE_STRING value_name;
    if (!NT_SUCCESS(open_service_key(KEY_SET_VALUE, &key))) return;
    RtlInitUnicodeString(&value_name, name);
    ZwSetValueKey(key, &value_name, 0, type, (PVOID)data, size);
    ZwClose(key);
}

void service_value_write_binary(PCWSTR name, const void* data, ULONG size) {
    write_value(name, REG_BINARY, data, size);
}

void service_value_write_dword(PCWSTR name, ULONG value) {
    write_value(name, REG_DWORD, &value, sizeof value);
}

void service_value_write_string(PCWSTR name, const char* text) {
    /* Plain ASCII texts of the driver's own, widened; long ones are cut. */
    WCHAR wide[SCENARIO_ERROR_SIZE];
    ULONG n = 0;
    while (n + 1 < SCENARIO_ERROR_SIZE && text[n] != '\0') {
        wide[n] = (WCHAR)(unsigned char)text[n];
        ++n;
    }
    wide[n] = 0;
    write_value(name, REG_SZ, wide, (n + 1) * sizeof(WCHAR));
}

NTSTATUS service_value_read_string(PCWSTR name, UNICODE_STRING* out) {
    HANDLE key;
    UNICODE_STRING value_name;
    ULONG needed = 0;
    KEY_VALUE_PARTIAL_INFORMATION* info;
    NTSTATUS status = open_service_key(KEY_QUERY_VALUE, &key);
    if (!NT_SUCCESS(status)) return status;
    RtlInitUnicodeString(&value_name, name);
    status = ZwQueryValueKey(key, &value_name, KeyValuePartialInformation, NULL, 0, &needed);
    if (status != STATUS_BUFFER_TOO_SMALL && status != STATUS_BUFFER_OVERFLOW) {
        ZwClose(key);
        return NT_SUCCESS(status) ? STATUS_OBJECT_NAME_NOT_FOUND : status;
    }
    info = ExAllocatePoolWithTag(PagedPool, needed, SIM_POOL_TAG);
    if (info == NULL) {
        ZwClose(key);
        return STATUS_INSUFFICIENT_RESOURCES;
    }
    status = ZwQueryValueKey(key, &value_name, KeyValuePartialInformation, info, needed, &needed);
    ZwClose(key);
    if (NT_SUCCESS(status) && (info->Type != REG_SZ && info->Type != REG_EXPAND_SZ))
        status = STATUS_OBJECT_TYPE_MISMATCH;
    /* A counted string holds at most 65534 bytes. */
    if (NT_SUCCESS(status) && info->DataLength > 0xFFFEu) status = STATUS_NAME_TOO_LONG;
    if (NT_SUCCESS(status)) {
        /* The string takes the place of the information block; a missing or
         * trailing zero is not counted. */
        ULONG length = info->DataLength & ~1u;
        PWCHAR text = (PWCHAR)info->Data;
        while (length >= sizeof(WCHAR) && text[length / sizeof(WCHAR) - 1] == 0)
            length -= sizeof(WCHAR);
        RtlMoveMemory(info, text, length);
        out->Buffer = (PWCHAR)info;
        out->Length = (USHORT)length;
        out->MaximumLength = (USHORT)length;
        return STATUS_SUCCESS;
    }
    ExFreePoolWithTag(info, SIM_POOL_TAG);
    return status;
}
