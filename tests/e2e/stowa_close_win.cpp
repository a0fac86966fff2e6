// Closes Nimbrel's main window the way the system would (WM_CLOSE), which
// runs its shutdown routine and so its save step, and waits up to 20 seconds
// for the window to go. Exit code 0 when it went, 1 when there was no
// window or it stayed.
#include <windows.h>

int main()
{
    HWND window = FindWindowA("Nimbrel", nullptr);
    if (!window)
        return 1;
    PostMessageA(window, WM_CLOSE, 0, 0);
    for (int i = 0; i < 200; ++i) {
        if (!IsWindow(window))
            return 0;
        Sleep(100);
    }
    return 1;
}
