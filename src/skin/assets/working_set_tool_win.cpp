// Writing and running the embedded working-set tool at %windir%\empty.exe.
#include "skin/assets/working_set_tool.h"

#include "skin/assets/resource_ids.h"
#include "skin/window/pictures.h"

#include <windows.h>

#include <utility>

namespace skin {

namespace {

class OwnedHandle {
public:
    explicit OwnedHandle(HANDLE h = nullptr) noexcept : h_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
    ~OwnedHandle() {
        if (h_ != nullptr) CloseHandle(h_);
    }
    OwnedHandle(OwnedHandle&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    HANDLE get() const noexcept { return h_; }
    explicit operator bool() const noexcept { return h_ != nullptr; }

private:
    HANDLE h_;
};

// Readers only: nobody can change or replace the file while we hold it, so the bytes compared are
// the bytes that run.
OwnedHandle OpenForCheck(const std::string& path) {
    return OwnedHandle(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
}

std::optional<std::vector<std::uint8_t>> ReadAll(HANDLE file) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size) || size.QuadPart > (64 << 20)) return std::vector<std::uint8_t>{};
    std::vector<std::uint8_t> bytes(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() && !ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        return std::vector<std::uint8_t>{};
    bytes.resize(read);
    return bytes;
}

bool FileMissing(const std::string& path) {
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return false;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool WriteNew(const std::string& path, std::span<const std::uint8_t> tool) {
    bool ok = false;
    {
        OwnedHandle file(
            CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return false;
        DWORD written = 0;
        ok = WriteFile(file.get(), tool.data(), static_cast<DWORD>(tool.size()), &written, nullptr) &&
             written == tool.size();
    }
    // A half-written tool would never match and would block every later attempt.
    if (!ok) DeleteFileA(path.c_str());
    return ok;
}

}  // namespace

std::span<const std::uint8_t> EmbeddedWorkingSetTool() { return EmbeddedBytes(IDR_WORKING_SET_TOOL); }

std::string WorkingSetToolPath() {
    char windir[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableA("windir", windir, sizeof windir);
    if (n == 0 || n >= sizeof windir) return {};
    return std::string(windir, n) + "\\empty.exe";
}

bool RunWorkingSetToolAt(const std::string& path, std::span<const std::uint8_t> tool, unsigned long processId,
                         unsigned waitMilliseconds) {
    if (path.empty() || tool.empty()) return false;
    if (FileMissing(path) && !WriteNew(path, tool)) return false;
    OwnedHandle file = OpenForCheck(path);
    if (!file) return false;
    if (DecideToolStep(ReadAll(file.get()), tool) != ToolStep::kRun) return false;

    std::string commandLine = "\"" + path + "\" " + std::to_string(processId);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &info))
        return false;
    OwnedHandle process(info.hProcess), thread(info.hThread);
    // Bounded: the user-interface thread must not hang on a tool that does not end.
    WaitForSingleObject(process.get(), waitMilliseconds);
    return true;
}

bool RunWorkingSetTool() {
    return RunWorkingSetToolAt(WorkingSetToolPath(), EmbeddedWorkingSetTool(), GetCurrentProcessId());
}

}  // namespace skin
