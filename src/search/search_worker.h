// SearchWorker: searches one site for the keyword, up to ten result pages, and publishes the hits
// as numbered rows through the ResultSink while holding the results lock.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "search/result_sink.h"

namespace search {

// generation: the search the task belongs to; once it is outdated the worker publishes nothing
// more, fetches no further page and leaves the counter label and the filter alone.
// The calling thread must have COM initialised.
void SearchWorker(std::string_view task, std::uint32_t generation, ResultSink& sink);

// Numbers and appends one row; false when the search is outdated.
bool PublishRow(ResultSink& sink, std::uint32_t generation, const std::string& name, const std::string& address,
                const std::string& count);

}  // namespace search
