// standin-search.exe --port N [--pages N] [--hits N] [--latency MS] [--misbehave KIND]
// Serves result pages on 127.0.0.1 until it is ended; prints one line per request received.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "search_service.h"

namespace {

void Usage() {
    std::fprintf(stderr,
                 "usage: standin-search --port N [--pages N] [--hits N] [--latency MS]\n"
                 "       [--misbehave none|garbage|truncated|empty|huge|endless|silent] [--huge-bytes N]\n");
}

bool ReadNumber(const char* text, int& out) {
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || v < 0 || v > 1000000000)
        return false;
    out = static_cast<int>(v);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    standin::ServiceSettings settings;
    int port = -1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        int number = 0;
        bool ok = value != nullptr;
        if (arg == "--port") {
            ok = ok && ReadNumber(value, port) && port <= 65535;
        } else if (arg == "--pages") {
            ok = ok && ReadNumber(value, settings.pagesPerSite);
        } else if (arg == "--hits") {
            ok = ok && ReadNumber(value, settings.hitsPerPage);
        } else if (arg == "--latency") {
            ok = ok && ReadNumber(value, settings.latencyMs);
        } else if (arg == "--huge-bytes") {
            ok = ok && ReadNumber(value, number);
            settings.hugeBytes = static_cast<std::size_t>(number);
        } else if (arg == "--misbehave") {
            ok = ok && standin::ParseMisbehaviour(value, settings.misbehaviour);
        } else {
            ok = false;
        }
        if (!ok) {
            Usage();
            return 2;
        }
        ++i;
    }
    if (port < 0) {
        Usage();
        return 2;
    }
    standin::SearchService service(settings, [](const std::string& request) {
        std::printf("%s\n", request.substr(0, request.find("\r\n")).c_str());
        std::fflush(stdout);
    });
    if (!service.Start(port)) {
        std::fprintf(stderr, "standin-search: cannot listen on 127.0.0.1:%d\n", port);
        return 1;
    }
    std::printf("standin-search listening on http://127.0.0.1:%d/ (pages %d, hits %d, latency %d ms, %s)\n",
                service.Port(), settings.pagesPerSite, settings.hitsPerPage, settings.latencyMs,
                std::string(standin::MisbehaviourName(settings.misbehaviour)).c_str());
    std::fflush(stdout);
    for (;;)
        Sleep(1000);
}
