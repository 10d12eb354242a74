#pragma once
// One call of DOINSTALL: the session is begun, its windows run, and it is ended.
#include <windows.h>

// Exit codes of DOINSTALL.
constexpr int kExitOther = 0;
constexpr int kExitAbandoned = 2;
constexpr int kExitRestartNow = 6;
constexpr int kExitRestartNowNt = 0x10006;
constexpr int kExitRestartLater = 12;

// Steps 1 to 5: media folder, platform, configuration, language, texts. Returns false,
// touching nothing, for a null media folder or one that does not fit the session.
bool BeginSetupSession(const char* mediaFolder);
// The main setup window, run modally; its modal result.
INT_PTR RunSetupWindows();
// Releases the texts and the configuration.
void EndSetupSession();
// The exit code for the main window's modal result and the session's platform flags.
int ExitCodeForResult(INT_PTR modalResult);

// The whole session, as DOINSTALL runs it.
int RunSetupSession(const char* mediaFolder);
