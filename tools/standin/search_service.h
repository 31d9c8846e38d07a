// The stand-in for the search engine: answers /search?q=site:<domain> <keyword>&...&first=N on
// 127.0.0.1 with UTF-8 result pages in the layout the extraction relies on, the same page for the
// same site, keyword and first.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "loopback_server.h"

namespace standin {

enum class Misbehaviour { None, Garbage, Truncated, Empty, Huge, Endless, Silent };

struct ServiceSettings {
    int pagesPerSite = 3;  // pages before the last, which has no next-page marker
    int hitsPerPage = 10;
    int latencyMs = 0;  // per request, before the answer
    Misbehaviour misbehaviour = Misbehaviour::None;
    std::size_t hugeBytes = 16u << 20;  // body size of a huge answer
};

struct SearchQuery {
    bool valid = false;   // path /search with a q key
    std::string site;     // after "site:" up to the first space (UTF-8)
    std::string keyword;  // the rest of q (UTF-8)
    int first = 1;        // the first key, 1 when absent
};

// From the request target ("/search?q=...") or a whole raw request.
SearchQuery ParseSearchRequest(std::string_view request);

// The UTF-8 result page for one query; hits are numbered from first.
std::string ResultPage(const SearchQuery& query, const ServiceSettings& settings);

// The same page's hits that the extraction should give, for checking a client.
struct ExpectedHit {
    std::string name, address, count;  // UTF-8
    bool ofSite = true;                // cited domain is the searched site
    bool excluded = false;             // caption holds the exclusion phrase
};
std::vector<ExpectedHit> ExpectedHits(const SearchQuery& query, const ServiceSettings& settings);

std::string_view MisbehaviourName(Misbehaviour m);
bool ParseMisbehaviour(std::string_view name, Misbehaviour& out);

class SearchService {
  public:
    explicit SearchService(ServiceSettings settings = {}, RequestObserver observer = {});
    SearchService(const SearchService&) = delete;
    SearchService& operator=(const SearchService&) = delete;

    bool Start(int port = 0) { return server_.Start(port); }
    void Stop() { server_.Stop(); }
    int Port() const { return server_.Port(); }
    std::vector<std::string> Requests() const { return server_.Requests(); }
    const ServiceSettings& Settings() const { return settings_; }

  private:
    Reply Answer(const std::string& request) const;

    ServiceSettings settings_;
    LoopbackServer server_;
};

}  // namespace standin
