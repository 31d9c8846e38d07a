// Start-up steps shared by the program and its tests.
#pragma once

namespace app {

// ProgramDirectory := the program file's directory; made the current directory.
void EnterProgramDirectory();
// Until WM_QUIT; returns its exit code.
int RunMessageLoop();

}  // namespace app
