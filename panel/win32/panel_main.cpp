// QORPANEL.EXE's entry.
#include <windows.h>

#include "panel_program.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    qor::PanelProgram program(instance);
    return program.Run(commandLine);
}
