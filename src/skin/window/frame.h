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
// Excludes the visible direct children that the skin does not paint from a DC's clip.
void ExcludeUnskinnedChildren(HWND hwnd, HDC dc);

}  // namespace skin
