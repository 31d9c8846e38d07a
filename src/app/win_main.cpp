// Program entry: program directory, skin start, the main window and the message loop.
#include <windows.h>

#include <string>

#include "app/main_window.h"
#include "app/skin_hooks.h"
#include "app/start_up.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    app::EnterProgramDirectory();
    app::StartSkin(instance);
    HWND main = app::CreateMainWindow(instance);
    if (main == nullptr) return 1;
    ShowWindow(main, show);
    UpdateWindow(main);
    const int code = app::RunMessageLoop();
    app::StopSkin();
    return code;
}
