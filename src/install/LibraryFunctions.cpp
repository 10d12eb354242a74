#include "install/LibraryFunctions.h"

#include "framework/BoundedString.h"

BOOL LoadLibraryFunctions(HMODULE* module, const char* path, size_t count, const LibraryFunction* functions)
{
    *module = LoadLibraryA(path);
    if (*module == nullptr)
        return FALSE;
    for (size_t i = 0; i < count; ++i) {
        *functions[i].address = GetProcAddress(*module, functions[i].name);
        if (*functions[i].address == nullptr)
            return FALSE;
    }
    return TRUE;
}

bool SystemLibraryPath(char* out, size_t capacity, const char* fileName)
{
    char system[MAX_PATH];
    UINT length = GetSystemDirectoryA(system, sizeof system);
    if (length == 0 || length >= sizeof system)
        return false;
    return FormatBounded(out, capacity, "%s\\%s", system, fileName);
}
