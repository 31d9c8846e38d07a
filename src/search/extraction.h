// Result-page extraction: the hits of one decoded result page become rows of name, address and
// download count.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "text/match_source.h"

namespace search {

using PublishRowFn = std::function<void(const std::string& name, const std::string& address, const std::string& count)>;
using PumpInputFn = std::function<void()>;

// The pattern for one site's hits; group 1 holds the hit from its heading to the cited domain.
// The domain goes in unchanged, so a "." in it matches any character.
std::string ResultPattern(std::string_view domain);

// One hit taken apart; nullopt for a hit that gives no row.
struct HitRow {
    std::string name;
    std::string address;
    std::string count;
};
std::optional<HitRow> SliceHit(std::string_view item);

// Publishes every accepted hit of the matcher's last run, in page order. With yieldPerMatch the
// input is pumped before every hit; a skipped hit always pumps it.
void ExtractPage(const text::MatchSource& matcher,
                 bool yieldPerMatch,
                 const PublishRowFn& publishRow,
                 const PumpInputFn& pumpInput);

}  // namespace search
