#include "app/search_dispatch.h"

#include <objbase.h>

#include <memory>

#include "app/window_result_sink.h"
#include "search/search_state.h"
#include "search/search_worker.h"

namespace app {

namespace {

struct WorkerJob {
    HWND main;
    std::string task;
    std::uint32_t generation;
};

class ComApartment {
public:
    ComApartment() : ok_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (ok_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool ok_;
};

DWORD WINAPI SearchWorkerThread(LPVOID parameter) noexcept {
    {
        std::unique_ptr<WorkerJob> job(static_cast<WorkerJob*>(parameter));
        ComApartment com;
        WindowResultSink sink(job->main, job->generation);
        search::SearchWorker(job->task, job->generation, sink);
    }
    --search::RunningWorkers();
    return 0;
}

}  // namespace

void StartSearchWorker(HWND main, const std::string& task, std::uint32_t generation) {
    auto job = std::make_unique<WorkerJob>(WorkerJob{main, task, generation});
    ++search::RunningWorkers();
    HANDLE thread = CreateThread(nullptr, 0, SearchWorkerThread, job.get(), 0, nullptr);
    if (thread == nullptr) {
        --search::RunningWorkers();
        return;
    }
    job.release();  // the thread owns it now
    CloseHandle(thread);
}

}  // namespace app
