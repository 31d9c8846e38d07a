// What the result extraction reads from a pattern run; the matcher implements it, tests may fake it.
#pragma once

#include <string>

namespace text {

class MatchSource {
public:
    virtual ~MatchSource() = default;
    virtual int MatchCount() const = 0;
    // Group j of match i, both 1-based; empty outside the collection.
    virtual std::string SubMatchText(int i, int j, int* position = nullptr) const = 0;
};

}  // namespace text
