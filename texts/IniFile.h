#pragma once
// The language file's reader. The file is read and parsed once, when its path is set
// (IniText.h says how it reads: as the platform's profile-file service does, from the ANSI
// code page or UTF-16 with a byte-order mark); every value then comes from memory.
// In texts/, under the text table's loader, its one user.
#include "texts/IniText.h"
#include "framework/String.h"

// The part that holds the file's text.
class IniReader {
public:
    // false, and nothing stored, for an empty path. Otherwise the file is read (a missing or
    // unreadable one reads as empty) and true.
    bool SetPath(const CString& path);
    // false when the path, section or key is empty, or when the file gives no characters
    // (key or section absent, empty value, file missing or unreadable); out is then untouched.
    // Otherwise out is the value, cut to its first kMaxValueLength characters, and true.
    bool Read(const CString& section, const CString& key, CString& out) const;

    static constexpr int kBufferLength = 1024;
    static constexpr int kMaxValueLength = kBufferLength - 1;

private:
    CString path;
    IniText text;
};

// The reader bound to one file.
class IniFile {
public:
    explicit IniFile(const CString& filePath);

    // Does nothing when the path, section or key is empty. Otherwise out becomes the value, or
    // the empty string when none was found: a failed read never leaves an older value behind.
    void ReadString(const CString& section, const CString& key, CString& out) const;

private:
    CString path;
    IniReader reader;
};
