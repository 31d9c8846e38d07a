#include "app/window_result_sink.h"

#include "app/list_view.h"
#include "app/main_window.h"
#include "app/window_layout.h"
#include "search/search_state.h"

namespace app {

namespace {
SinkOperation Op(SinkOperation::Kind kind) {
    SinkOperation op;
    op.kind = kind;
    return op;
}
}  // namespace

LRESULT CarryOutSinkOperation(HWND main, SinkOperation& op) {
    HWND list = GetDlgItem(main, kIdResultList);
    // Checked here, on the thread that empties the list, so no row of an older search slips in.
    const bool current = search::IsCurrentSearch(op.generation);
    switch (op.kind) {
    case SinkOperation::Clear: ListClear(list); break;
    case SinkOperation::ReadKeyword: op.text = WindowTextOf(GetDlgItem(main, kIdKeywordEdit)); break;
    case SinkOperation::InsertRow: op.result = current ? ListAppendRow(list) : -1; break;
    case SinkOperation::SetCell:
        if (current) ListSetCell(list, op.row, op.column, op.text);
        break;
    case SinkOperation::Refresh:
        if (current) {
            InvalidateRect(list, nullptr, FALSE);
            UpdateWindow(list);
        }
        break;
    case SinkOperation::Count: op.result = ListRowCount(list); break;
    case SinkOperation::SetCounter:
        if (current) SetWindowTextA(GetDlgItem(main, kIdCounterLabel), op.text.c_str());
        break;
    case SinkOperation::SetFilter:
        if (current) {
            EnableWindow(GetDlgItem(main, kIdFilterEdit), op.flag);
            ShowWindow(GetDlgItem(main, kIdFilterButton), op.flag ? SW_SHOW : SW_HIDE);
        }
        break;
    }
    return 1;
}

SinkOperation WindowResultSink::Send(SinkOperation op) {
    op.generation = generation_;
    // A window that is gone answers 0 at once and leaves the defaults: no row, no text.
    SendMessageA(main_, kSinkMessage, 0, reinterpret_cast<LPARAM>(&op));
    return op;
}

void WindowResultSink::clearResults() { Send(Op(SinkOperation::Clear)); }

std::string WindowResultSink::readKeyword() { return Send(Op(SinkOperation::ReadKeyword)).text; }

int WindowResultSink::insertRow() { return Send(Op(SinkOperation::InsertRow)).result; }

void WindowResultSink::setCell(int row, int column, std::string_view text) {
    SinkOperation op = Op(SinkOperation::SetCell);
    op.row = row;
    op.column = column;
    op.text = text;
    Send(std::move(op));
}

void WindowResultSink::refreshResults() { Send(Op(SinkOperation::Refresh)); }

int WindowResultSink::resultCount() {
    const int n = Send(Op(SinkOperation::Count)).result;
    return n < 0 ? 0 : n;
}

void WindowResultSink::setCounterText(std::string_view text) {
    SinkOperation op = Op(SinkOperation::SetCounter);
    op.text = text;
    Send(std::move(op));
}

void WindowResultSink::setFilterEnabled(bool on) {
    SinkOperation op = Op(SinkOperation::SetFilter);
    op.flag = on;
    Send(std::move(op));
}

void WindowResultSink::pumpInput(bool onlyOnInput) {
    if (onlyOnInput && GetQueueStatus(QS_INPUT) == 0) return;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace app
