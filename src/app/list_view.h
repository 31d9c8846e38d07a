// Small helpers over the report lists: rows and cell texts by 0-based position.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace app {

int ListRowCount(HWND list);
int ListAppendRow(HWND list);  // the new row's position, -1 on failure
void ListSetCell(HWND list, int row, int column, std::string_view text);
std::string ListCell(HWND list, int row, int column);  // empty for a row that does not exist
int ListSelectedRow(HWND list);                          // -1 when none is selected
void ListClear(HWND list);

}  // namespace app
