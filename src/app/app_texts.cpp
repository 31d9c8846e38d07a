#include "app/app_texts.h"

#include "search/site_catalogue.h"
#include "text/text_rules.h"

namespace app {

namespace {
constexpr std::string_view kLineEnd = "\r\n";

void AppendRows(std::string& out, const std::vector<ExportRow>& rows) {
    for (const ExportRow& row : rows) out.append(row.name).append("      ").append(row.address).append("\r\n\r\n");
}
}  // namespace

std::string ExportText(const std::vector<ExportRow>& results, const std::vector<ExportRow>& filtered) {
    std::string out;
    AppendRows(out, results);
    out.append("筛选后：\r\n\r\n");
    AppendRows(out, filtered);
    return out;
}

std::string ExportFileName(std::string_view directory, std::string_view keyword) {
    std::string name(directory);
    name.append("\\").append(keyword).append("资源列表.txt");
    return name;
}

std::string CollapseDoubleBackslashes(std::string_view path) {
    std::string out;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(path[i]);
        if (text::IsLeadByte(c) && i + 1 < path.size()) {
            out.append(path.substr(i, 2));
            ++i;
        } else if (c == '\\' && i + 1 < path.size() && path[i + 1] == '\\') {
            out.push_back('\\');
            ++i;
        } else {
            out.push_back(path[i]);
        }
    }
    return out;
}

std::string ExplorerCommand(std::string_view file) {
    std::string command = "explorer /n,/select,\"";
    command.append(file).append("\"");
    return command;
}

bool IsWebAddress(std::string_view address) {
    const std::string lower = text::Lowercase(address);
    return lower.rfind("http://", 0) == 0 || lower.rfind("https://", 0) == 0;
}

bool NameMatchesFilter(std::string_view name, std::string_view filter) { return text::Contains(name, filter); }

ExtraSitesVerdict JudgeExtraSites(std::string_view text) {
    if (text.empty()) return ExtraSitesVerdict::Empty;
    // A GBK trail byte is never 0x3B, so the last byte being ";" means the last character is.
    if (text.back() == ';') return ExtraSitesVerdict::EndsWithSemicolon;
    return ExtraSitesVerdict::Accept;
}

std::string AboutText() { return std::string("作者：墨渊工坊").append(kLineEnd).append(kLineEnd).append("QQ群:458127603"); }

std::string ExtraSitesHelpText() {
    const std::string first(search::CatalogueDomain(1));
    std::string help = "只需写入网址 如：百度网盘的首页地址是：";
    help.append(first).append(" 在编辑框里面就是").append(kLineEnd);
    help.append(kLineEnd).append(first).append(kLineEnd);
    help.append(kLineEnd).append("支持多个网址 每个网址之间请用英文分号隔开").append(kLineEnd);
    help.append(kLineEnd).append("如：").append(first).append(";").append("yunpan.cn");
    return help;
}

}  // namespace app
