#pragma once
// Bounded writes into fixed character buffers. Every function takes the size of the
// buffer it writes, always leaves it terminated, and reports whether the whole
// result fit. A result that does not fit is never a shorter valid text: callers that
// build paths skip their step when these return false.
#include <cstddef>

// printf-style formatting from a format written in the code (never one read from a file).
// Returns false, leaving the buffer empty, when the result does not fit.
bool FormatBounded(char* out, size_t capacity, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

// Copies text (null counts as empty). Returns false, leaving the buffer empty, when
// text and terminator do not fit.
bool CopyBounded(char* out, size_t capacity, const char* text);

// Copies as much of text as fits, cut at capacity - 1 characters. Only for texts whose
// cut form is the documented result (values read through fixed-size buffers).
void CopyTruncated(char* out, size_t capacity, const char* text);

// Appends text to the terminated content of out. Returns false, leaving out unchanged,
// when the result does not fit.
bool AppendBounded(char* out, size_t capacity, const char* text);
