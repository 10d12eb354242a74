#include "install/ProductFiles.h"

#include <cstring>

namespace {

constexpr const char* kProductFiles[kProductFileCount] = {
    "options.lrd",  "ptrext.dll",   "ptrctl32.exe", "POINTER.BMP", "options.dat",
    "ptrHk32A.dll", "brand.bmp",    "pdata.dat",    "res\\panel.ico", "remove32.dll",
    "remove16.exe", "ptrRes.dll",   "optlang.dll",  "options.ini", "remove00.exe",
    "remove00.log", "tx-00001\\",   "setuptxt",     "remover",     "PTRFILTR.SYS",
};

void CreateFolderPrefix(const char* path, size_t length)
{
    char folder[MAX_PATH];
    if (length >= sizeof folder)
        return;
    memcpy(folder, path, length);
    folder[length] = '\0';
    (void)CreateDirectoryA(folder, nullptr);
}

}  // namespace

const char* ProductFileName(int index)
{
    return (index >= 0 && index < kProductFileCount) ? kProductFiles[index] : "";
}

void CreatePath(const char* path, BOOL lastIsFile)
{
    if (path == nullptr || path[0] == '\0')
        return;
    // Skip the root: the first folder tried ends at the second backslash from index 1.
    const char* first = strchr(path + 1, '\\');
    const char* separator = first ? strchr(first + 1, '\\') : nullptr;
    for (; separator != nullptr; separator = strchr(separator + 1, '\\'))
        CreateFolderPrefix(path, static_cast<size_t>(separator - path));
    if (!lastIsFile)
        (void)CreateDirectoryA(path, nullptr);
}
