// PatternMatcher: a regular expression over a GBK text through the scripting engine
// "VBScript.RegExp"; matches and groups are numbered from 1. One matcher per thread.
#pragma once

#include <string>
#include <string_view>

#include "text/match_source.h"

struct IDispatch;

namespace text {

class PatternMatcher final : public MatchSource {
public:
    PatternMatcher();  // initialises COM (apartment-threaded) for the calling thread
    ~PatternMatcher() override;
    PatternMatcher(const PatternMatcher&) = delete;
    PatternMatcher& operator=(const PatternMatcher&) = delete;

    // True when the engine returned a match collection (also an empty one); false for an invalid
    // pattern or a missing engine. With quoteMarker, "#引号" in the pattern stands for a double quote.
    bool Create(std::string_view pattern, std::string_view text, bool caseSensitive = false, bool multiline = true,
                bool global = true, bool quoteMarker = false);
    std::string GetPattern() const;
    std::string ReplaceMatches(std::string_view replacement);
    int MatchCount() const override;
    // position receives the 0-based byte offset of the text in the searched text.
    std::string MatchText(int i, int* position = nullptr) const;
    std::string SubMatchText(int i, int j, int* position = nullptr) const override;
    int SubMatchCount() const;

private:
    void Release();
    IDispatch* Match(int i) const;  // element i (1-based) of the collection, owned by the caller

    IDispatch* engine_ = nullptr;
    IDispatch* matches_ = nullptr;
    std::string text_;
    bool comInitialised_ = false;
};

}  // namespace text
