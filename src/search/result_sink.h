// ResultSink: the operations through which the search dispatch and the workers change the window.
// Each one has been carried out when it returns, in the order issued.
#pragma once
#include <string>
#include <string_view>

namespace search {

class ResultSink {
public:
    virtual ~ResultSink() = default;
    virtual void clearResults() = 0;
    virtual std::string readKeyword() = 0;
    // The new row's position, or -1 when the caller's search is no longer the current one.
    virtual int insertRow() = 0;
    virtual void setCell(int row, int column, std::string_view text) = 0;
    virtual void refreshResults() = 0;
    virtual int resultCount() = 0;
    virtual void setCounterText(std::string_view text) = 0;
    virtual void setFilterEnabled(bool on) = 0;
    // onlyOnInput: dispatch only when keyboard or mouse input is waiting.
    virtual void pumpInput(bool onlyOnInput) = 0;
};

}  // namespace search
