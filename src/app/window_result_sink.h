// The main window's side of ResultSink: each operation is sent to the window's thread and carried
// out there; operations of an outdated search change nothing.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "search/result_sink.h"

namespace app {

inline constexpr UINT kSinkMessage = WM_APP + 1;

struct SinkOperation {
    enum Kind { Clear, ReadKeyword, InsertRow, SetCell, Refresh, Count, SetCounter, SetFilter } kind = Clear;
    std::uint32_t generation = 0;
    int row = 0;
    int column = 0;
    std::string text;
    bool flag = false;
    int result = -1;
};

// Runs on the window's thread (the main window procedure's kSinkMessage case).
LRESULT CarryOutSinkOperation(HWND main, SinkOperation& op);

class WindowResultSink final : public search::ResultSink {
public:
    WindowResultSink(HWND main, std::uint32_t generation) : main_(main), generation_(generation) {}
    void clearResults() override;
    std::string readKeyword() override;
    int insertRow() override;
    void setCell(int row, int column, std::string_view text) override;
    void refreshResults() override;
    int resultCount() override;
    void setCounterText(std::string_view text) override;
    void setFilterEnabled(bool on) override;
    void pumpInput(bool onlyOnInput) override;

private:
    SinkOperation Send(SinkOperation op);
    HWND main_;
    std::uint32_t generation_;
};

}  // namespace app
