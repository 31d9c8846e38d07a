// Starting one worker thread per search task; the dispatcher never waits for them.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

namespace app {

void StartSearchWorker(HWND main, const std::string& task, std::uint32_t generation);

}  // namespace app
