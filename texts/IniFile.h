#pragma once
// The language file's reader: one value at a time through the platform's profile-file service,
// which matches section and key names without regard to case and takes either the ANSI code
// page or UTF-16 with a byte-order mark. No copy of the file is kept. In texts/, under the
// text table's loader, its one user.
#include "framework/String.h"

// The part that calls the platform.
class IniReader {
public:
    // false, and nothing stored, for an empty path.
    bool SetPath(const CString& path);
    // false when the path, section or key is empty, or when the platform finds no characters
    // (key or section absent, empty value, file missing or unreadable); out is then untouched.
    // Otherwise out is the value, cut to its first kMaxValueLength characters, and true.
    bool Read(const CString& section, const CString& key, CString& out) const;

    static constexpr int kBufferLength = 1024;
    static constexpr int kMaxValueLength = kBufferLength - 1;

private:
    CString path;
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
