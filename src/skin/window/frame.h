// The skinned frame image: full repaint, region, caption layout, title and caption buttons.
#pragma once

#include <windows.h>

#include <string>

namespace skin {

void FullRepaint(int skinNumber, HDC paintDc, bool show);
void LayOutCaption(int skinNumber);
void PaintTitle(int skinNumber, const std::string* text);  // not full: restores, draws, copies to the window
void PaintCaptionButton(int skinNumber, int button, bool pressed, int alpha);  // not full
void SetFrameRegion(HWND hwnd);
// Blits the background surface through a DC that leaves the visible children alone.
void ShowBackground(int skinNumber, HDC dc);
// Excludes the visible, not transparent direct children of a window from a DC's clip.
void ExcludeChildren(HWND hwnd, HDC dc, int limitWidth, int limitHeight, bool onlyUnskinned);

}  // namespace skin
