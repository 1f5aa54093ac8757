#pragma once
// CFile: a binary file over a Win32 handle, closed when the object goes. CMemFile: the
// same interface over a block of memory, either its own (grown on demand) or one the
// caller attaches and takes back.
#include "framework/Object.h"

#include <windows.h>

class CFile : public CObject {
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
    };
    enum SeekPosition : UINT { begin = 0, current = 1, end = 2 };

    // What Seek answers when it refuses to move (a target before the start of the data).
    static constexpr ULONGLONG kSeekFailed = ~0ULL;

    CFile() = default;
    ~CFile() override;

    // Opens or creates a disk file. Handles are never inherited by child processes.
    // Text mode is not translated: the file is read and written as bytes.
    virtual BOOL Open(LPCWSTR fileName, UINT openFlags);
    virtual void Close();
    bool IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }

    // Bytes actually read; 0 at the end of the data or on failure.
    virtual UINT Read(void* buffer, UINT count);
    // FALSE when not every byte could be written.
    virtual BOOL Write(const void* buffer, UINT count);
    // The new position from the start, or kSeekFailed with the position unchanged.
    virtual ULONGLONG Seek(LONGLONG offset, UINT from);
    void SeekToBegin() { Seek(0, begin); }
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG GetLength() const;
    virtual BOOL SetLength(ULONGLONG newLength);
    virtual void Flush();

    HANDLE m_hFile = INVALID_HANDLE_VALUE;
};

class CMemFile : public CFile {
    DECLARE_DYNAMIC(CMemFile)
public:
    // An empty file owning its memory, which grows in steps of `growBytes` as it is written.
    explicit CMemFile(UINT growBytes = 1024);
    // Attaches `buffer` at once (see Attach).
    CMemFile(BYTE* buffer, UINT size, UINT growBytes = 0);
    ~CMemFile() override;

    // Makes `buffer` the file's data: `size` bytes long, position 0. The block stays the
    // caller's: it is never freed here and never reallocated, so writes that would pass
    // its end fail. `growBytes` is kept for a later block of the file's own. A block the
    // file owned before is freed.
    void Attach(BYTE* buffer, UINT size, UINT growBytes = 0);
    // Hands the block back and empties the file (size and position 0). A block the file
    // allocated itself becomes the caller's, to be released with free().
    BYTE* Detach();

    BOOL Open(LPCWSTR, UINT) override { return FALSE; }  // a memory file has no name
    void Close() override;

    UINT Read(void* buffer, UINT count) override;
    BOOL Write(const void* buffer, UINT count) override;
    ULONGLONG Seek(LONGLONG offset, UINT from) override;
    ULONGLONG GetPosition() const override { return m_position; }
    ULONGLONG GetLength() const override { return m_fileSize; }
    BOOL SetLength(ULONGLONG newLength) override;
    void Flush() override {}

protected:
    // The data block and its used length, for readers that parse it in place.
    const BYTE* GetData() const { return m_buffer; }
    SIZE_T GetDataSize() const { return m_fileSize; }

private:
    bool Reserve(ULONGLONG needed);
    void FreeOwned();

    BYTE* m_buffer = nullptr;
    SIZE_T m_bufferSize = 0;   // bytes available in m_buffer
    SIZE_T m_fileSize = 0;     // bytes of data
    ULONGLONG m_position = 0;  // may lie past the end of the data
    UINT m_growBytes = 1024;
    bool m_ownsBuffer = false;
};
