#include "ProductMedia.h"

#include <windows.h>

const char kDriverFileName[] = "PTRFILTR.SYS";

const std::vector<std::string>& ProductMediaFiles()
{
    static const std::vector<std::string> files = {
        "options.lrd",      "ptrext.dll",      "ptrctl32.exe",    "POINTER.BMP",      "options.dat",
        "ptrHk32A.dll",     "remove32.dll",    "remove16.exe",    "3D\\brand.bmp",    "3D\\pdata.dat",
        "3D\\res\\panel.ico", "4D\\brand.bmp", "4D\\pdata.dat",   "4D\\res\\panel.ico", "enu\\ptrRes.dll",
        "enu\\optlang.dll", "enu\\options.ini", "tx-00001\\remover.enu", "remove00.exe",
    };
    return files;
}

std::string ProductFileContents(const std::string& relative)
{
    return "contents of " + relative + "\r\n";
}

void WriteProductFiles(const ScratchFolder& media, const std::set<std::string>& omit)
{
    for (const std::string& file : ProductMediaFiles()) {
        if (omit.count(file) == 0)
            media.WriteText(file, ProductFileContents(file));
    }
}

std::string InstalledDriverPath()
{
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, sizeof windows);
    return std::string(windows) + "\\system32\\Drivers\\" + kDriverFileName;
}

std::string PathOfLength(const std::string& base, size_t length)
{
    std::string path = base;
    while (path.size() < length) {
        size_t room = length - path.size() - 1;  // after the backslash
        size_t name = room > 100 ? 100 : room;
        if (room > 100 && room - 100 < 2)
            name = room - 2;  // leave room for a last folder of at least one character
        path += "\\" + std::string(name, 'p');
    }
    return path;
}
