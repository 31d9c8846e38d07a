// The working-set tool: a small console program carried inside lanxi.exe, written to
// %windir%\empty.exe when missing and run there with our process id.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace skin {

enum class ToolStep { kWriteAndRun, kRun, kSkip };

// Missing file: write it, then run. The same bytes: run. Anything else found there is not ours and
// is never run.
inline ToolStep DecideToolStep(const std::optional<std::vector<std::uint8_t>>& onDisk,
                               std::span<const std::uint8_t> embedded) {
    if (embedded.empty()) return ToolStep::kSkip;
    if (!onDisk) return ToolStep::kWriteAndRun;
    const bool same = onDisk->size() == embedded.size() &&
                      std::equal(onDisk->begin(), onDisk->end(), embedded.begin());
    return same ? ToolStep::kRun : ToolStep::kSkip;
}

inline constexpr unsigned kToolWaitMilliseconds = 2000;

// The tool's bytes embedded in this program; empty when missing.
std::span<const std::uint8_t> EmbeddedWorkingSetTool();
// %windir% followed by "\empty.exe"; empty when windir is not set.
std::string WorkingSetToolPath();
// Writes the tool at path when missing, runs "path pid" hidden when the file holds the embedded
// bytes, and waits at most waitMilliseconds. True when the tool was started.
bool RunWorkingSetToolAt(const std::string& path, std::span<const std::uint8_t> tool, unsigned long processId,
                         unsigned waitMilliseconds = kToolWaitMilliseconds);
// The above at WorkingSetToolPath() with the embedded tool and the current process.
bool RunWorkingSetTool();

}  // namespace skin
