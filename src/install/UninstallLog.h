#pragma once
// The uninstall log: a sequence of records, each a kind byte, a text and a zero byte,
// read later by the product's uninstaller to undo what the installation did.
#include <windows.h>

enum UninstallLogKind : BYTE {
    LOG_FILE = 0xFF,            // full path of a file the installation placed
    LOG_FOLDER = 0xFE,          // full path of a folder the installation made
    LOG_RUN_VALUE = 0xFD,       // name of the value under the startup (Run) key
    LOG_PROGRAM_FOLDER = 0xFC,  // full path of the Start-menu program folder
    LOG_SHORTCUT = 0xFB,        // full path of one shortcut file
    LOG_UNINSTALL_KEY = 0xFA,   // uninstall key, relative to HKEY_LOCAL_MACHINE
};

// Creates the session's log anew at path: write only, binary, no sharing. Every
// record of a log that could not be created is a no-op.
bool OpenUninstallLog(const char* path);
// Creates the session's log in the install folder, as the worker does; false when its
// path does not fit or the file cannot be created.
bool OpenInstallFolderLog();
// Appends one record: the kind byte, the text's bytes, one zero byte.
void WriteLogRecord(BYTE kind, const char* text);
// Closes the session's log if it is open.
void CloseUninstallLog();
