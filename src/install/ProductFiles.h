#pragma once
// The fixed table of the files and folders the installation addresses by index, and
// the folder creation the installation uses.
#include <windows.h>

#include <cstddef>

enum ProductFileIndex : int {
    kMainFirst = 0,          // options.lrd .. ptrHk32A.dll: the main files, 0 to 5
    kMainLast = 5,
    kModelFirst = 6,         // brand.bmp, pdata.dat, res\panel.ico: the button-model files
    kModelLast = 8,
    kSupportRemove32 = 9,    // uninstaller support files, never logged
    kSupportRemove16 = 10,
    kLanguageFirst = 11,     // ptrRes.dll, optlang.dll, options.ini: the language files
    kLanguageLast = 13,
    kUninstaller = 14,       // remove00.exe
    kUninstallLog = 15,      // remove00.log
    kTextFolder = 16,        // tx-00001\ (with its backslash)
    kTextStem = 17,          // setuptxt
    kUninstallerTextStem = 18,  // remover
    kFilterDriver = 19,      // PTRFILTR.SYS
    kProductFileCount = 20,
};

// The name of a row, exactly as it is written (letter case included).
const char* ProductFileName(int index);

// Creates every missing folder of path; with lastIsFile the last component is a file
// name and is not created. Errors (a folder that exists, one that cannot be made) are
// ignored.
void CreatePath(const char* path, BOOL lastIsFile);
