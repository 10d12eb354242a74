#pragma once
// Fills a text that comes from a media file with one string. Such texts are never used
// as printf formats: exactly one placeholder is replaced and every other character,
// "%" sequences included, is written as it stands.
#include <cstddef>

constexpr size_t kNoPlaceholder = static_cast<size_t>(-1);

// Writes text with the two characters at placeholderOffset replaced by argument; with
// kNoPlaceholder the text is written unchanged. A null text or argument counts as
// empty. Returns false, leaving out empty, when the result does not fit capacity
// (terminator included).
bool SpliceTextArgument(char* out, size_t capacity, const char* text, size_t placeholderOffset,
                        const char* argument);

// The placeholder is the first "%s" of the template.
bool FillTextTemplate(char* out, size_t capacity, const char* textTemplate, const char* argument);
