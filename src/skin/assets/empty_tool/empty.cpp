// empty.exe: empties the working set of one process, given by id or by its program name.
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool IsNumber(const char* s) {
    if (*s == '\0') return false;
    for (; *s != '\0'; ++s)
        if (*s < '0' || *s > '9') return false;
    return true;
}

// "notepad" also matches notepad.exe.
bool SameTaskName(const char* program, const char* wanted) {
    if (lstrcmpiA(program, wanted) == 0) return true;
    const size_t n = std::strlen(wanted);
    return std::strlen(program) == n + 4 && CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, program,
                                                           static_cast<int>(n), wanted, static_cast<int>(n)) == 2 &&
           lstrcmpiA(program + n, ".exe") == 0;
}

bool Trim(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_SET_QUOTA | PROCESS_QUERY_INFORMATION, FALSE, pid);
    if (process == nullptr) return false;
    const bool ok = SetProcessWorkingSetSize(process, static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1)) != 0;
    CloseHandle(process);
    return ok;
}

int TrimByName(const char* name) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 2;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int found = 0;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (SameTaskName(entry.szExeFile, name) && Trim(entry.th32ProcessID)) ++found;
    CloseHandle(snapshot);
    return found > 0 ? 0 : 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::puts("USAGE: empty.exe {pid | task-name}");
        return 1;
    }
    if (IsNumber(argv[1])) return Trim(static_cast<DWORD>(std::strtoul(argv[1], nullptr, 10))) ? 0 : 2;
    return TrimByName(argv[1]);
}
