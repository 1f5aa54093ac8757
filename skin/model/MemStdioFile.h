#pragma once
// CMemStdioFile: reads a text held in memory line by line, for the Resource.h table and
// the legacy skin format. The text is UTF-16 little-endian when its block starts with
// FF FE, ANSI otherwise (a block shorter than two bytes is ANSI).
//
// A line ends at a carriage return, which is the only thing consumed: in CR LF text every
// line after the first starts with the line feed of the previous line end. A UTF-16 text's
// first line starts with its byte-order mark. Reading ends at the size of the data.
#include "framework/File.h"
#include "framework/String.h"

#include <string>

namespace Vexel {

class CMemStdioFile : public CMemFile {
public:
    explicit CMemStdioFile(UINT growBytes = 1024) : CMemFile(growBytes) {}

    // Copies the resource `name` of type `type` of the program's own module into a block
    // of the file's own, followed by two zero bytes (which read as content), position 0.
    // FALSE, with the file as it was, when the resource is missing, empty or unreadable.
    virtual BOOL LoadFromResource(LPCWSTR name, LPCWSTR type);
    // The next line, widened from the ANSI code page unless the text is UTF-16. FALSE at
    // the end of the data, with `line` unchanged.
    virtual BOOL ReadString(CString& line);
    // The next line as bytes, cut at a zero byte (the position then moves past it).
    virtual BOOL ReadLineA(std::string& line);
    // The next line as 16-bit units, cut at a zero unit; an odd last byte is no unit and
    // ends the data.
    virtual BOOL ReadLineW(std::wstring& line);

    // Frees what the file held and reads the whole file at `path` into a block of its own,
    // position 0. FALSE, with the file empty, when the file cannot be opened or read.
    BOOL LoadFromFile(LPCWSTR path);

    bool IsUnicode() const;
};

} // namespace Vexel
