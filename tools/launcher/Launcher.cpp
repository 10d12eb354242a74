// The launcher of a setup medium: loads the setup library from its own folder, runs a
// session on a media folder (its command-line argument, by default its own folder)
// and reports how the session ended. Its exit code is the session's.
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr char kLibraryName[] = "setupeng.dll";

using DoInstallProc = int(WINAPI*)(const char*);

const char* DescribeExitCode(int code)
{
    switch (code) {
    case 2: return "setup was abandoned";
    case 6: return "setup finished; restart Windows now";
    case 0x10006: return "setup finished; restart Windows now (NT family)";
    case 12: return "setup finished; restart Windows later";
    case 0: return "setup ended without a result";
    default: return "unknown result";
    }
}

bool OwnFolder(char* out, size_t capacity)
{
    DWORD length = GetModuleFileNameA(nullptr, out, static_cast<DWORD>(capacity));
    if (length == 0 || length >= capacity)
        return false;
    char* lastSlash = strrchr(out, '\\');
    if (lastSlash == nullptr)
        return false;
    *lastSlash = '\0';
    return true;
}

bool FullFolderPath(const char* folder, char* out, size_t capacity)
{
    DWORD length = GetFullPathNameA(folder, static_cast<DWORD>(capacity), out, nullptr);
    if (length == 0 || length >= capacity)
        return false;
    size_t end = strlen(out);
    if (end > 3 && out[end - 1] == '\\')
        out[end - 1] = '\0';
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    char ownFolder[MAX_PATH];
    if (!OwnFolder(ownFolder, sizeof ownFolder)) {
        fprintf(stderr, "setup: cannot find the launcher's own folder\n");
        return 1;
    }
    char mediaFolder[MAX_PATH];
    if (!FullFolderPath(argc > 1 ? argv[1] : ownFolder, mediaFolder, sizeof mediaFolder)) {
        fprintf(stderr, "setup: the media folder path is too long\n");
        return 1;
    }
    char libraryPath[MAX_PATH];
    int written = snprintf(libraryPath, sizeof libraryPath, "%s\\%s", ownFolder, kLibraryName);
    if (written < 0 || static_cast<size_t>(written) >= sizeof libraryPath) {
        fprintf(stderr, "setup: the library path is too long\n");
        return 1;
    }

    HMODULE library = LoadLibraryA(libraryPath);
    if (library == nullptr) {
        fprintf(stderr, "setup: cannot load %s (error %lu)\n", libraryPath, GetLastError());
        return 1;
    }
    auto doInstall = reinterpret_cast<DoInstallProc>(reinterpret_cast<void*>(GetProcAddress(library, "DOINSTALL")));
    if (doInstall == nullptr) {
        fprintf(stderr, "setup: %s has no DOINSTALL export\n", libraryPath);
        FreeLibrary(library);
        return 1;
    }

    printf("setup: media folder %s\n", mediaFolder);
    fflush(stdout);
    int code = doInstall(mediaFolder);
    printf("setup: exit code %d (0x%X): %s\n", code, static_cast<unsigned>(code), DescribeExitCode(code));
    fflush(stdout);
    FreeLibrary(library);
    return code;
}
