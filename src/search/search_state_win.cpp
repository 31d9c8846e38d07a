#include "search/search_state.h"

#include <windows.h>

#include <cstdlib>

namespace search {

static_assert(sizeof(CRITICAL_SECTION) <= 64, "ResultsLock storage too small");

ResultsLock::ResultsLock() { InitializeCriticalSection(reinterpret_cast<CRITICAL_SECTION*>(section_)); }
void ResultsLock::Enter() { EnterCriticalSection(reinterpret_cast<CRITICAL_SECTION*>(section_)); }
void ResultsLock::Leave() { LeaveCriticalSection(reinterpret_cast<CRITICAL_SECTION*>(section_)); }

namespace {
constexpr char kBuiltInSearchHost[] = "cn.bing.com";

std::string& HostSetting() {
    static std::string* host = new std::string(DefaultSearchHost());
    return *host;
}
}  // namespace

// Deliberately never deleted: workers may outlive every window and run during process exit.
ResultsLock& TheResultsLock() {
    static ResultsLock* lock = new ResultsLock;
    return *lock;
}

RowCounter& TheRowCounter() {
    static RowCounter* counter = new RowCounter;
    return *counter;
}

std::atomic<std::uint32_t>& SearchGeneration() {
    static std::atomic<std::uint32_t>* generation = new std::atomic<std::uint32_t>(0);
    return *generation;
}

std::atomic<int>& RunningWorkers() {
    static std::atomic<int>* running = new std::atomic<int>(0);
    return *running;
}

std::string DefaultSearchHost() {
    const char* mirror = std::getenv("LANXI_SEARCH_HOST");
    return (mirror != nullptr && *mirror != '\0') ? std::string(mirror) : std::string(kBuiltInSearchHost);
}

std::string SearchHost() { return HostSetting(); }
void SetSearchHost(std::string host) { HostSetting() = std::move(host); }

}  // namespace search
