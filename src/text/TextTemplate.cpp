#include "text/TextTemplate.h"

#include <cstring>

bool SpliceTextArgument(char* out, size_t capacity, const char* text, size_t placeholderOffset,
                        const char* argument)
{
    if (out == nullptr || capacity == 0)
        return false;
    out[0] = '\0';
    const char* source = text ? text : "";
    size_t sourceLength = strlen(source);
    bool hasPlaceholder = placeholderOffset != kNoPlaceholder && placeholderOffset + 2 <= sourceLength;

    size_t headLength = hasPlaceholder ? placeholderOffset : sourceLength;
    const char* value = hasPlaceholder && argument ? argument : "";
    size_t valueLength = strlen(value);
    const char* tail = source + headLength + (hasPlaceholder ? 2 : 0);
    size_t tailLength = strlen(tail);

    if (headLength + valueLength + tailLength >= capacity)
        return false;
    memcpy(out, source, headLength);
    memcpy(out + headLength, value, valueLength);
    memcpy(out + headLength + valueLength, tail, tailLength + 1);
    return true;
}

bool FillTextTemplate(char* out, size_t capacity, const char* textTemplate, const char* argument)
{
    const char* text = textTemplate ? textTemplate : "";
    const char* placeholder = strstr(text, "%s");
    size_t offset = placeholder ? static_cast<size_t>(placeholder - text) : kNoPlaceholder;
    return SpliceTextArgument(out, capacity, text, offset, argument);
}
