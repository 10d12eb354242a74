#pragma once
// Reads an uninstall log back: for the log viewer and for the tests. A damaged log (an
// unknown kind byte, a last record without its zero byte) is reported with the offset
// of the fault, never guessed at.
#include <cstddef>
#include <string>
#include <vector>

struct UninstallLogRecord {
    unsigned char kind;
    std::string text;
    size_t offset;  // of the kind byte
};

struct UninstallLogContents {
    std::vector<UninstallLogRecord> records;  // the records before any fault
    bool damaged = false;
    size_t faultOffset = 0;
    std::string fault;  // what is wrong at faultOffset
};

UninstallLogContents ParseUninstallLog(const std::vector<unsigned char>& bytes);
// The record kind's name ("LOG_FILE", ...), or null for a byte that is no kind.
const char* UninstallLogKindName(unsigned char kind);
