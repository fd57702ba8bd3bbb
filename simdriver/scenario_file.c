/* The scenario file: its Windows path is the service key's "Scenario" value; it
 * is read once, when the driver loads. A scenario that does not parse stops the
 * driver from loading, and its reason is left in the "ScenarioError" value. */
#include "sim_driver.h"

/* Scenarios are short texts; a longer file is refused rather than cut. */
#define SCENARIO_MAX_FILE (64u * 1024u)

static NTSTATUS open_file(const UNICODE_STRING* windows_path, HANDLE* file) {
    static const WCHAR prefix[] = L"\\??\\";
    const USHORT prefix_length = sizeof prefix - sizeof(WCHAR);
    UNICODE_STRING nt_path;
    OBJECT_ATTRIBUTES attributes;
    IO_STATUS_BLOCK io;
    NTSTATUS status;

    if (windows_path->Length > 0xFFFEu - prefix_length) return STATUS_NAME_TOO_LONG;
    nt_path.MaximumLength = (USHORT)(prefix_length + windows_path->Length);
    nt_path.Length = 0;
    nt_path.Buffer = ExAllocatePoolWithTag(PagedPool, nt_path.MaximumLength, SIM_POOL_TAG);
    if (nt_path.Buffer == NULL) return STATUS_INSUFFICIENT_RESOURCES;
    RtlAppendUnicodeToString(&nt_path, prefix);
    RtlAppendUnicodeStringToString(&nt_path, windows_path);

    InitializeObjectAttributes(&attributes, &nt_path, OBJ_CASE_INSENSITIVE | OBJ_KERNEL_HANDLE,
                               NULL, NULL);
    status = ZwCreateFile(file, GENERIC_READ | SYNCHRONIZE, &attributes, &io, NULL,
                          FILE_ATTRIBUTE_NORMAL, FILE_SHARE_READ, FILE_OPEN,
                          FILE_SYNCHRONOUS_IO_NONALERT | FILE_NON_DIRECTORY_FILE, NULL, 0);
    ExFreePoolWithTag(nt_path.Buffer, SIM_POOL_TAG);
    return status;
}

/* Reads the whole file into a pool buffer of *size bytes. */
static NTSTATUS read_file(HANDLE file, char** text, ULONG* size) {
    FILE_STANDARD_INFORMATION information;
    IO_STATUS_BLOCK io;
    NTSTATUS status = ZwQueryInformationFile(file, &io, &information, sizeof information,
                                             FileStandardInformation);
    if (!NT_SUCCESS(status)) return status;
    if (information.EndOfFile.QuadPart > SCENARIO_MAX_FILE) return STATUS_FILE_TOO_LARGE;
    *size = (ULONG)information.EndOfFile.QuadPart;
    /* One byte more, so that an empty file is no zero-sized allocation. */
    *text = ExAllocatePoolWithTag(PagedPool, *size + 1, SIM_POOL_TAG);
    if (*text == NULL) return STATUS_INSUFFICIENT_RESOURCES;
    status = ZwReadFile(file, NULL, NULL, NULL, &io, *text, *size, NULL, NULL);
    if (NT_SUCCESS(status)) {
        *size = (ULONG)io.Information;
    } else {
        ExFreePoolWithTag(*text, SIM_POOL_TAG);
        *text = NULL;
    }
    return status;
}

NTSTATUS scenario_file_load(struct scenario* out) {
    UNICODE_STRING path;
    HANDLE file;
    char* text = NULL;
    ULONG size = 0;
    char error[SCENARIO_ERROR_SIZE];
    NTSTATUS status = service_value_read_string(L"Scenario", &path);
    if (!NT_SUCCESS(status)) {
        service_value_write_string(L"ScenarioError", "no Scenario value");
        return status;
    }
    status = open_file(&path, &file);
    ExFreePoolWithTag(path.Buffer, SIM_POOL_TAG);
    if (!NT_SUCCESS(status)) {
        service_value_write_string(L"ScenarioError", "cannot open the scenario file");
        return status;
    }
    status = read_file(file, &text, &size);
    ZwClose(file);
    if (!NT_SUCCESS(status)) {
        service_value_write_string(L"ScenarioError", "cannot read the scenario file");
        return status;
    }
    if (!scenario_parse(text, size, out, error)) status = STATUS_INVALID_PARAMETER;
    ExFreePoolWithTag(text, SIM_POOL_TAG);
    service_value_write_string(L"ScenarioError", error);
    return status;
}
