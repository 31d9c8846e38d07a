// What the two windows share about their controls: a table row per control, creating it with the
// default font, and reading a window's text.
#pragma once
#include <windows.h>

#include <string>

namespace app {

struct ControlLayout {
    int id;
    const char* className;
    const char* text;
    DWORD style;
    DWORD exStyle;
    int left, top, width, height;
};

HWND CreateLayoutControl(HWND parent, HINSTANCE instance, const ControlLayout& layout);
std::string WindowTextOf(HWND window);

}  // namespace app
