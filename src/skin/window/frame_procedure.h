// The window procedure of every skinned top-level window.
#pragma once

#include <windows.h>

namespace skin {

LRESULT CALLBACK FrameProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept;
void CaptionButtonAction(int skinNumber, int button);
// Runs the working-set tool for this process; set by whoever provides the tool.
using TrimRoutine = void (*)();
void SetTrimWorkingSetRoutine(TrimRoutine routine);
void TrimWorkingSet();

}  // namespace skin
