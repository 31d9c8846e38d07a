// Whole-file reads and writes by path (GBK names, the ANSI file API).
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace app {

std::optional<std::string> ReadWholeFile(const std::string& path);
// Creates or truncates; false when the file could not be written completely.
bool WriteWholeFile(const std::string& path, std::string_view bytes);
// Writes beside the file, then swaps it in, so a failed write leaves the old content.
bool ReplaceFileContent(const std::string& path, std::string_view bytes);

}  // namespace app
