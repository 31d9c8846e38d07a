// Process-wide search state: the one results lock, the row counter, the search generation and the
// search host. All live until the process ends: a worker may still take the lock while the process
// shuts down, so nothing here is ever destroyed.
#pragma once
#include <atomic>
#include <cstdint>
#include <string>

#include "search/row_counter.h"

namespace search {

class ResultsLock {
public:
    ResultsLock();
    ResultsLock(const ResultsLock&) = delete;
    ResultsLock& operator=(const ResultsLock&) = delete;
    void Enter();
    void Leave();

private:
    alignas(void*) unsigned char section_[64];  // a CRITICAL_SECTION, kept opaque for pure headers
};

class ResultsLockGuard {
public:
    explicit ResultsLockGuard(ResultsLock& lock) : lock_(lock) { lock_.Enter(); }
    ~ResultsLockGuard() { lock_.Leave(); }
    ResultsLockGuard(const ResultsLockGuard&) = delete;
    ResultsLockGuard& operator=(const ResultsLockGuard&) = delete;

private:
    ResultsLock& lock_;
};

ResultsLock& TheResultsLock();
RowCounter& TheRowCounter();
// Bumped whenever the result list is emptied for a new search; workers of an older value stop.
std::atomic<std::uint32_t>& SearchGeneration();
inline bool IsCurrentSearch(std::uint32_t generation) { return SearchGeneration().load() == generation; }

// Host (or host:port) of the search service; LANXI_SEARCH_HOST replaces the built-in one.
// Set it only while no worker runs.
std::string SearchHost();
void SetSearchHost(std::string host);
std::string DefaultSearchHost();

// Workers started and not yet ended.
std::atomic<int>& RunningWorkers();

}  // namespace search
