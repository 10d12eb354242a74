// Stands in for SETUP16.EXE, the Windows 9x driver set-up program of the media. It
// records the command line it was started with in setup16.record beside itself and
// leaves what the real program may leave: a key HKLM\SOFTWARE\RebootFlags, and a value
// RebootFlags directly under HKLM\SOFTWARE.
#include <windows.h>

#include <cstring>

int main()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    char* slash = strrchr(path, '\\');
    if (slash == nullptr || strlen(path) + 16 >= sizeof path)
        return 1;
    strcpy(slash + 1, "setup16.record");
    HANDLE record = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (record != INVALID_HANDLE_VALUE) {
        const char* commandLine = GetCommandLineA();
        DWORD written = 0;
        WriteFile(record, commandLine, static_cast<DWORD>(strlen(commandLine)), &written, nullptr);
        CloseHandle(record);
    }
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\RebootFlags", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) == ERROR_SUCCESS) {
        DWORD one = 1;
        RegSetValueExA(key, "Pending", 0, REG_DWORD, reinterpret_cast<BYTE*>(&one), sizeof one);
        RegCloseKey(key);
    }
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        DWORD one = 1;
        RegSetValueExA(key, "RebootFlags", 0, REG_DWORD, reinterpret_cast<BYTE*>(&one), sizeof one);
        RegCloseKey(key);
    }
    return 0;
}
