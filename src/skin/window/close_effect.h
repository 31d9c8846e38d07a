// The closing animations of a skinned window: shrink and pulse.
#pragma once

#include <windows.h>

namespace skin {

// Plays effect 1 (shrink) or 2 (pulse); other values play nothing.
void PlayCloseEffect(HWND hwnd, int effect);

}  // namespace skin
