#include "install/UninstallLogReader.h"

#include "install/UninstallLog.h"

const char* UninstallLogKindName(unsigned char kind)
{
    switch (kind) {
    case LOG_FILE: return "LOG_FILE";
    case LOG_FOLDER: return "LOG_FOLDER";
    case LOG_RUN_VALUE: return "LOG_RUN_VALUE";
    case LOG_PROGRAM_FOLDER: return "LOG_PROGRAM_FOLDER";
    case LOG_SHORTCUT: return "LOG_SHORTCUT";
    case LOG_UNINSTALL_KEY: return "LOG_UNINSTALL_KEY";
    default: return nullptr;
    }
}

UninstallLogContents ParseUninstallLog(const std::vector<unsigned char>& bytes)
{
    UninstallLogContents contents;
    size_t at = 0;
    while (at < bytes.size()) {
        unsigned char kind = bytes[at];
        if (UninstallLogKindName(kind) == nullptr) {
            contents.damaged = true;
            contents.faultOffset = at;
            contents.fault = "unknown record kind";
            return contents;
        }
        size_t end = at + 1;
        while (end < bytes.size() && bytes[end] != 0)
            ++end;
        if (end == bytes.size()) {
            contents.damaged = true;
            contents.faultOffset = at;
            contents.fault = "record without its terminating zero byte";
            return contents;
        }
        contents.records.push_back({kind, std::string(bytes.begin() + static_cast<long>(at) + 1,
                                                      bytes.begin() + static_cast<long>(end)),
                                    at});
        at = end + 1;
    }
    return contents;
}
