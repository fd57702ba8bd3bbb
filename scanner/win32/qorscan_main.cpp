// QORSCAN.EXE: prints which of the installation's registry entries and files are
// present. Arguments are ignored; the exit code is always 0.
#include "console_output.h"
#include "installation_scanner.h"
#include "win32_registry.h"
#include "win32_system_services.h"

int main() {
    qor::Win32Registry registry;
    qor::Win32SystemServices system;
    qor::ConsoleOutput output;
    qor::InstallationScanner(registry, system, output).Run();
    return 0;
}
