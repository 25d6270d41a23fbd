#pragma once
// 8-bit Windows-1252 string with the interface the program's classes expect.
#include <windows.h>
#include <string>

class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}
    CString(const char* text, int length) : m_text(text, static_cast<size_t>(length)) {}

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    operator const char*() const { return m_text.c_str(); }
    const std::string& str() const { return m_text; }

    CString& operator+=(const CString& other) { m_text += other.m_text; return *this; }
    CString& operator+=(char c) { m_text += c; return *this; }
    friend CString operator+(CString left, const CString& right) { return left += right; }
    friend CString operator+(const char* left, const CString& right) { return CString(left) += right; }
    friend CString operator+(CString left, const char* right) { return left += CString(right); }

    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator==(const CString& a, const char* b) { return a.m_text == (b ? b : ""); }

    // Case-blind in the ANSI code page, as the user typed it.
    int CompareNoCase(const char* other) const;
    // Loads a string resource of this program; false when it is missing.
    bool LoadString(UINT id);

private:
    std::string m_text;
};
