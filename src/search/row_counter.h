// RowCounter: the number of the last row published, shared by all workers of a search. It carries
// the search's generation so that a worker of an outdated search can no longer count on.
#pragma once
#include <atomic>
#include <cstdint>
#include <optional>

namespace search {

class RowCounter {
public:
    void Reset(std::uint32_t generation) { value_.store(std::uint64_t{generation} << 32); }
    // The next row number, or nothing when generation is not the counter's current one.
    std::optional<int> Next(std::uint32_t generation) {
        std::uint64_t now = value_.load();
        for (;;) {
            if (static_cast<std::uint32_t>(now >> 32) != generation) return std::nullopt;
            if (value_.compare_exchange_weak(now, now + 1)) return static_cast<int>((now & 0xFFFFFFFFu) + 1);
        }
    }
    int Current() const { return static_cast<int>(value_.load() & 0xFFFFFFFFu); }

private:
    std::atomic<std::uint64_t> value_{0};
};

}  // namespace search
