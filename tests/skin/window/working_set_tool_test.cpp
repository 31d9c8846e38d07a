// The working-set tool: the embedded program, its answers, and the routine that writes and runs it
// only when the file at the path holds exactly our bytes.
#include "skin/assets/working_set_tool.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace skin {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadFileBytes(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return Bytes{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void WriteFileBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A fresh directory under the temporary directory, removed with its files.
class ToolDirectory : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        dir_ = std::string(temp) + "lanxi_tool_" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(dir_.c_str(), nullptr);
        path_ = dir_ + "\\empty.exe";
        tool_.assign(EmbeddedWorkingSetTool().begin(), EmbeddedWorkingSetTool().end());
    }
    void TearDown() override {
        DeleteFileA(path_.c_str());
        RemoveDirectoryA(dir_.c_str());
    }
    // Exit code of the program at path_ with the given arguments, or -1.
    long RunDirectly(const std::string& arguments) {
        std::string line = "\"" + path_ + "\" " + arguments;
        STARTUPINFOA si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        if (!CreateProcessA(path_.c_str(), line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                            &si, &pi))
            return -1;
        WaitForSingleObject(pi.hProcess, 10000);
        DWORD code = 0;
        GetExitCodeProcess(pi.hProcess, &code);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        return static_cast<long>(code);
    }
    std::string dir_, path_;
    Bytes tool_;
};

TEST_F(ToolDirectory, EmbeddedToolIsAProgram) {
    ASSERT_GT(tool_.size(), 1024u);
    EXPECT_EQ(tool_[0], 'M');
    EXPECT_EQ(tool_[1], 'Z');
}

TEST_F(ToolDirectory, ToolAnswers) {
    WriteFileBytes(path_, tool_);
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string selfName = std::string(self).substr(std::string(self).find_last_of('\\') + 1);
    struct Case { std::string arguments; long want; };
    const Case cases[] = {
        {"", 1},                                            // usage
        {"1 2", 1},                                         // usage
        {std::to_string(GetCurrentProcessId()), 0},
        {"4000000000", 2},                                  // no such process
        {selfName, 0},                                      // by task name
        {selfName.substr(0, selfName.size() - 4), 0},       // without .exe
        {"no_such_task_here", 2},
    };
    for (const Case& c : cases) EXPECT_EQ(RunDirectly(c.arguments), c.want) << c.arguments;
}

TEST_F(ToolDirectory, WrittenWhenMissingRunWhenOurs) {
    EXPECT_TRUE(RunWorkingSetToolAt(path_, tool_, GetCurrentProcessId()));
    EXPECT_EQ(ReadFileBytes(path_), tool_) << "written when missing";
    EXPECT_TRUE(RunWorkingSetToolAt(path_, tool_, GetCurrentProcessId())) << "run when it holds our bytes";
}

TEST_F(ToolDirectory, AnotherFileThereIsNeverRun) {
    struct Case { const char* name; Bytes onDisk; };
    Bytes longer = tool_;
    longer.push_back(0);
    Bytes patched = tool_;
    patched[patched.size() / 2] ^= 0xFF;
    const Case cases[] = {{"foreign", {'M', 'Z', 'x'}}, {"ours plus a byte", longer}, {"one byte changed", patched},
                          {"empty file", {}}};
    for (const Case& c : cases) {
        WriteFileBytes(path_, c.onDisk);
        EXPECT_FALSE(RunWorkingSetToolAt(path_, tool_, GetCurrentProcessId())) << c.name;
        EXPECT_EQ(ReadFileBytes(path_), c.onDisk) << c.name << ": left as it was";
    }
}

TEST_F(ToolDirectory, NothingHappensWithoutAPlaceOrATool) {
    EXPECT_FALSE(RunWorkingSetToolAt("", tool_, GetCurrentProcessId()));
    EXPECT_FALSE(RunWorkingSetToolAt(path_, {}, GetCurrentProcessId()));
    EXPECT_EQ(GetFileAttributesA(path_.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(RunWorkingSetToolAt(dir_ + "\\missing_dir\\empty.exe", tool_, GetCurrentProcessId()));
}

TEST(WorkingSetTool, PathIsInWindir) {
    char windir[MAX_PATH] = {};
    ASSERT_GT(GetEnvironmentVariableA("windir", windir, MAX_PATH), 0u);
    const std::string path = WorkingSetToolPath();
    EXPECT_EQ(path, std::string(windir) + "\\empty.exe");
    // The prefix may already hold a tool of another build: that one is left alone and not run.
    const Bytes tool(EmbeddedWorkingSetTool().begin(), EmbeddedWorkingSetTool().end());
    const bool present = GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    const Bytes before = present ? ReadFileBytes(path) : Bytes{};
    const bool ours = !present || before == tool;
    EXPECT_EQ(RunWorkingSetTool(), ours);
    EXPECT_EQ(ReadFileBytes(path), ours ? tool : before);
}

}  // namespace
}  // namespace skin
