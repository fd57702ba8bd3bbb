// idle_message_loop: a window that only waits in its message loop, the yardstick
// beside which the front panel's idle cost under Wine is measured. It ends when its
// window is closed or destroyed.
#include <windows.h>

namespace {

LRESULT CALLBACK IdleWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = IdleWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "QorIdleMessageLoop";
    if (RegisterClassExA(&windowClass) == 0) return 1;
    if (CreateWindowExA(0, windowClass.lpszClassName, "Idle message loop", WS_OVERLAPPEDWINDOW, 0, 0,
                        200, 100, nullptr, nullptr, instance, nullptr) == nullptr)
        return 1;
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}
