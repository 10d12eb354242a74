#include "framework/BoundedString.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

bool FormatBounded(char* out, size_t capacity, const char* format, ...)
{
    if (out == nullptr || capacity == 0)
        return false;
    va_list args;
    va_start(args, format);
    int written = vsnprintf(out, capacity, format, args);
    va_end(args);
    if (written < 0 || static_cast<size_t>(written) >= capacity) {
        out[0] = '\0';
        return false;
    }
    return true;
}

bool CopyBounded(char* out, size_t capacity, const char* text)
{
    if (out == nullptr || capacity == 0)
        return false;
    const char* source = text ? text : "";
    size_t length = strlen(source);
    if (length >= capacity) {
        out[0] = '\0';
        return false;
    }
    memcpy(out, source, length + 1);
    return true;
}

void CopyTruncated(char* out, size_t capacity, const char* text)
{
    if (out == nullptr || capacity == 0)
        return;
    const char* source = text ? text : "";
    size_t length = strnlen(source, capacity - 1);
    memcpy(out, source, length);
    out[length] = '\0';
}

bool AppendBounded(char* out, size_t capacity, const char* text)
{
    if (out == nullptr || capacity == 0)
        return false;
    size_t used = strnlen(out, capacity);
    if (used == capacity)
        return false;
    const char* source = text ? text : "";
    size_t length = strlen(source);
    if (used + length >= capacity)
        return false;
    memcpy(out + used, source, length + 1);
    return true;
}
