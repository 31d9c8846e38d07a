// Taking hits apart and publishing them, with a fake pattern run in place of the engine.
#include "search/extraction.h"

#include <gtest/gtest.h>

#include <vector>

#include "search/extraction_fixture.h"
#include "text/slicing.h"

namespace {

// Group 1 of each match, as the engine would give it.
class FakeMatches final : public text::MatchSource {
  public:
    explicit FakeMatches(std::vector<std::string> groups) : groups_(std::move(groups)) {}
    int MatchCount() const override { return static_cast<int>(groups_.size()); }
    std::string SubMatchText(int i, int j, int* = nullptr) const override {
        if (j != 1 || i < 1 || i > MatchCount())
            return {};
        return groups_[static_cast<std::size_t>(i - 1)];
    }

  private:
    std::vector<std::string> groups_;
};

// What the pattern's group 1 holds for a hit: from after <h2> to before the cite.
std::string Group(const std::string& hit) {
    return text::TextBetween(hit, "<h2>", "<cite>", 1, true);
}

struct Extracted {
    std::vector<fixture::Row> rows;
    int pumps = 0;
};

Extracted Extract(const std::vector<std::string>& groups, bool yieldPerMatch) {
    Extracted run;
    search::ExtractPage(
        FakeMatches(groups), yieldPerMatch,
        [&run](const std::string& n, const std::string& a, const std::string& c) {
            run.rows.push_back({n, a, c});
        },
        [&run] { ++run.pumps; });
    return run;
}

TEST(SliceHit, Cases) {
    struct Case {
        std::string item;
        bool row;
        std::string name, address, count;
    };
    const Case cases[] = {
        {"<a href=\"u\" h=\"x\"></a><div class=\"b_caption\"><p><strong>文件名</strong> 下载次数:12 ..</p>", true,
         "文件名 ", "u", "12"},
        {"<div class=\"b_caption\"><p>名 下载次数:3</p>", true, "名 ", "", ""},      // no " ..": no count
        {"<div class=\"b_caption\"><p>名 下载次数：3 ..</p>", true, "名 ", "", ""},  // full-width colon
        {"<div class=\"b_caption\"><p>a百度网盘为您提供b</p>", false, "", "", ""},
        {"<div class=\"b_caption\"><p><strong>百度</strong>网盘为您提供</p>", false, "", "", ""},  // after tag removal
        {"<a href=\"h?a=1&amp;amp;b=2\" h=\"1\">", true, "", "h?a=1&b=2", ""},                     // every "amp;" goes
        {"<div class=\"b_caption\"><p><STRONG>x</STRONG></p>", true, "<STRONG>x</STRONG>", "", ""},  // tags: exact case
        {"", true, "", "", ""},
    };
    for (const Case& c : cases) {
        const std::optional<search::HitRow> r = search::SliceHit(c.item);
        ASSERT_EQ(r.has_value(), c.row) << c.item;
        if (!r)
            continue;
        EXPECT_EQ(r->name, c.name) << c.item;
        EXPECT_EQ(r->address, c.address) << c.item;
        EXPECT_EQ(r->count, c.count) << c.item;
    }
}

TEST(ExtractPage, PublishesInOrderAndPumps) {
    // The engine never matches the hit of another site, so the fake leaves it out as well.
    std::vector<std::string> groups;
    for (std::size_t i = 0; i < fixture::kHits.size(); ++i)
        if (i != 1)
            groups.push_back(Group(fixture::kHits[i]));
    struct Case {
        bool yieldPerMatch;
        int pumps;
    };
    for (const Case c : {Case{true, 6}, Case{false, 1}}) {  // one pump per match, plus one for the skipped hit
        const Extracted run = Extract(groups, c.yieldPerMatch);
        EXPECT_EQ(run.rows, fixture::kRows);
        EXPECT_EQ(run.pumps, c.pumps);
    }
}

TEST(ExtractPage, NoMatchesNoRows) {
    const Extracted run = Extract({}, true);
    EXPECT_TRUE(run.rows.empty());
    EXPECT_EQ(run.pumps, 0);
}

}  // namespace
