#pragma once
// A small owned, growable single-byte string, the text type of windows and data exchange.
#include <string>

class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}  // NOLINT: implicit like a C string
    CString(const char* text, size_t length) : m_text(text ? text : "", text ? length : 0) {}

    CString& operator=(const char* text) { m_text.assign(text ? text : ""); return *this; }
    CString& operator+=(const char* text) { m_text.append(text ? text : ""); return *this; }
    CString& operator+=(char c) { m_text.push_back(c); return *this; }

    operator const char*() const { return m_text.c_str(); }  // NOLINT: reads like a C string
    const char* GetString() const { return m_text.c_str(); }
    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }

    bool operator==(const char* text) const { return m_text == (text ? text : ""); }
    bool operator!=(const char* text) const { return !(*this == text); }

private:
    std::string m_text;
};
