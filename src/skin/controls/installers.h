// The control installers: they register a window's direct child controls in its SkinRecord's
// lists and subclass them, in a fixed order of kinds.
#pragma once

#include <windows.h>

namespace skin {

void RunControlInstallers(int skinNumber, HWND parent);

// Single installers, in the order RunControlInstallers calls them.
void InstallPushButtons(int skinNumber, HWND parent);
void InstallCheckBoxes(int skinNumber, HWND parent);
void InstallEditsAndCombos(int skinNumber, HWND parent);
void InstallTrackBars(int skinNumber, HWND parent);
void InstallProgressBars(int skinNumber, HWND parent);
void InstallListControls(int skinNumber, HWND parent);
void InstallUpDowns(int skinNumber, HWND parent);
void InstallHeaders(int skinNumber, HWND parent);
void InstallToolBars(int skinNumber, HWND parent);

// Style tests of the button installers: all bits of each mask must be set.
bool IsPushButtonStyle(LONG style);
bool IsCheckOrRadioStyle(LONG style);

}  // namespace skin
