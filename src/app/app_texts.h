// The application's fixed texts and the rules of the result actions and the extra-sites box that need
// no window: export file bytes and name, the address check, the confirm rule.
#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace app {

inline constexpr std::string_view kNoticeTitle = "提示";
inline constexpr std::string_view kFilterCountPrefix = "结果：";

struct ExportRow {
    std::string name;
    std::string address;
};

// Name, six spaces, address, CR LF CR LF per row; "筛选后：" between the two lists.
std::string ExportText(const std::vector<ExportRow>& results, const std::vector<ExportRow>& filtered);
// directory has no trailing backslash.
std::string ExportFileName(std::string_view directory, std::string_view keyword);
// Each "\\" becomes "\", stepping over double-byte characters whole.
std::string CollapseDoubleBackslashes(std::string_view path);
std::string ExplorerCommand(std::string_view file);

// Only http:// and https:// addresses (any letter case) are handed to the shell.
bool IsWebAddress(std::string_view address);

bool NameMatchesFilter(std::string_view name, std::string_view filter);

enum class ExtraSitesVerdict { Empty, EndsWithSemicolon, Accept };
ExtraSitesVerdict JudgeExtraSites(std::string_view text);

std::string AboutText();
std::string ExtraSitesHelpText();

}  // namespace app
