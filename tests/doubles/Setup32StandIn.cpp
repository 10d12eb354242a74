// Stands in for SETUP32.DLL, the NT driver set-up library of the media. Its Setup
// export records what it received in setup32.record beside the library and writes 0
// through its third argument, as a real set-up routine that needs no restart would.
#include <windows.h>

#include <cstdio>
#include <cstring>

extern "C" IMAGE_DOS_HEADER __ImageBase;

extern "C" __declspec(dllexport) int WINAPI Setup(void* mainWindow, const char* folder, BOOL* rebootNeeded);

extern "C" __declspec(dllexport) int WINAPI Setup(void* mainWindow, const char* folder, BOOL* rebootNeeded)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(reinterpret_cast<HMODULE>(&__ImageBase), path, sizeof path);
    char* slash = strrchr(path, '\\');
    if (slash != nullptr && strlen(path) + 16 < sizeof path) {
        strcpy(slash + 1, "setup32.record");
        FILE* record = fopen(path, "wb");
        if (record != nullptr) {
            fprintf(record, "window=%p\nfolder=%s\nreboot_before=%d\n", mainWindow, folder ? folder : "(null)",
                    rebootNeeded ? *rebootNeeded : -1);
            fclose(record);
        }
    }
    if (rebootNeeded != nullptr)
        *rebootNeeded = 0;
    return 1;
}
