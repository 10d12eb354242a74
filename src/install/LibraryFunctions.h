#pragma once
// Binds a library at run time: loads it by path and looks up exported functions by name.
#include <windows.h>

#include <cstddef>

struct LibraryFunction {
    FARPROC* address;  // receives the function's address
    const char* name;
};

// Loads the library (the handle is stored, also when null) and stores each function's
// address in order. Returns FALSE for a library that does not load or at the first
// missing function, leaving later addresses untouched and the library loaded: the
// caller frees it.
BOOL LoadLibraryFunctions(HMODULE* module, const char* path, size_t count, const LibraryFunction* functions);

// The path of a library in the system folder; false when it does not fit. Loading a
// system library by its bare name would search the program's folder first.
bool SystemLibraryPath(char* out, size_t capacity, const char* fileName);
