// Benchmark (arguments: latency in ms, default 50; sites, default 22): a full search of all 22 sites against the stand-in service with a fixed latency per page
// and the next-page marker on every page. Prints wall time, the lower bound (first pages together,
// then 22 x 9 further pages one after another), their ratio, rows per second and the user-interface
// thread's input latency while rows stream in.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "app/list_view.h"
#include "app/main_window.h"
#include "app/result_actions.h"
#include "search/search_state.h"
#include "search_service.h"

namespace {

constexpr UINT kProbeMessage = WM_APP + 40;
LARGE_INTEGER g_frequency;
std::vector<double> g_latenciesMs;

double NowMs() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(g_frequency.QuadPart);
}

// Posted probes stand for input: the delay until the thread dispatches them is what a user waits.
LRESULT CALLBACK ProbeProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    if (msg == kProbeMessage) {
        const double sentAt = static_cast<double>(static_cast<std::int64_t>(lp)) / 1000.0;
        g_latenciesMs.push_back(NowMs() - sentAt);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

double Percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[static_cast<std::size_t>(p * static_cast<double>(v.size() - 1))];
}

}  // namespace

int main(int argc, char** argv) {
    const int latencyMs = argc > 1 ? std::atoi(argv[1]) : 50;
    const int sites = argc > 2 ? std::atoi(argv[2]) : 22;
    QueryPerformanceFrequency(&g_frequency);
    standin::ServiceSettings settings;
    settings.pagesPerSite = 20;  // every one of the ten pages carries the marker
    settings.hitsPerPage = 10;
    settings.latencyMs = latencyMs;
    standin::SearchService service(settings);
    if (!service.Start()) return 1;
    search::SetSearchHost("127.0.0.1:" + std::to_string(service.Port()));

    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA probeClass{};
    probeClass.lpfnWndProc = ProbeProcedure;
    probeClass.hInstance = instance;
    probeClass.lpszClassName = "LanxiBenchProbe";
    RegisterClassA(&probeClass);
    HWND probe = CreateWindowExA(0, "LanxiBenchProbe", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);

    HWND main = app::CreateMainWindow(instance);
    ShowWindow(main, SW_SHOW);
    for (int i = 0; i < sites && i < 22; ++i) SendMessageA(app::SiteCheckBoxes()[i], BM_SETCHECK, BST_CHECKED, 0);
    SetWindowTextA(GetDlgItem(main, app::kIdKeywordEdit), "电影");

    std::atomic<bool> probing{true};
    const double start = NowMs();
    SendMessageA(GetDlgItem(main, app::kIdSearchButton), BM_CLICK, 0, 0);
    std::thread prober([&] {
        while (probing) {
            PostMessageA(probe, kProbeMessage, 0, static_cast<LPARAM>(NowMs() * 1000.0));
            Sleep(10);
        }
    });
    MSG msg;
    while (search::RunningWorkers().load() > 0) {
        if (MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT) == WAIT_OBJECT_0)
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
    }
    const double wallMs = NowMs() - start;
    probing = false;
    prober.join();

    const int rows = app::ListRowCount(GetDlgItem(main, app::kIdResultList));
    const double boundMs = (1.0 + 9.0 * sites) * latencyMs;
    std::printf("latency per page      %d ms\n", latencyMs);
    std::printf("requests              %zu\n", service.Requests().size());
    std::printf("rows                  %d\n", rows);
    std::printf("wall time             %.0f ms\n", wallMs);
    std::printf("lower bound           %.0f ms (1 + 9 x sites pages)\n", boundMs);
    std::printf("ratio                 %.3f\n", wallMs / boundMs);
    std::printf("rows per second       %.1f\n", rows * 1000.0 / wallMs);
    std::printf("input latency median  %.2f ms\n", Percentile(g_latenciesMs, 0.5));
    std::printf("input latency p99     %.2f ms (%zu probes)\n", Percentile(g_latenciesMs, 0.99), g_latenciesMs.size());
    DestroyWindow(main);
    DestroyWindow(probe);
    service.Stop();
    return 0;
}
