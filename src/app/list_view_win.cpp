#include "app/list_view.h"

#include <commctrl.h>

#include <vector>

namespace app {

int ListRowCount(HWND list) { return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

int ListAppendRow(HWND list) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = ListRowCount(list);
    item.pszText = const_cast<char*>("");
    return static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void ListSetCell(HWND list, int row, int column, std::string_view text) {
    if (row < 0 || row >= ListRowCount(list)) return;
    std::string textZ(text);
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = textZ.data();
    SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::string ListCell(HWND list, int row, int column) {
    if (row < 0 || row >= ListRowCount(list)) return {};
    // The list reports no length; grow the buffer until the text fits with room to spare.
    for (std::size_t size = 256;; size *= 4) {
        std::vector<char> buffer(size, '\0');
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(size);
        const LRESULT n = SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        if (static_cast<std::size_t>(n) + 1 < size || size >= (1u << 24)) return std::string(buffer.data(), static_cast<std::size_t>(n));
    }
}

int ListSelectedRow(HWND list) {
    return static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void ListClear(HWND list) { SendMessageA(list, LVM_DELETEALLITEMS, 0, 0); }

}  // namespace app
