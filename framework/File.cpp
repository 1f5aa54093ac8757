#include "framework/File.h"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CFile, CObject)
IMPLEMENT_DYNAMIC(CMemFile, CFile)

// ---------------------------------------------------------------- CFile

CFile::~CFile()
{
    if (IsOpen())
        ::CloseHandle(m_hFile);
}

BOOL CFile::Open(LPCWSTR fileName, UINT openFlags)
{
    Close();
    if (!fileName)
        return FALSE;

    DWORD access = GENERIC_READ;
    switch (openFlags & 3) {
    case modeWrite: access = GENERIC_WRITE; break;
    case modeReadWrite: access = GENERIC_READ | GENERIC_WRITE; break;
    default: break;
    }
    DWORD share = 0;
    switch (openFlags & 0x70) {
    case shareDenyWrite: share = FILE_SHARE_READ; break;
    case shareDenyRead: share = FILE_SHARE_WRITE; break;
    case shareDenyNone: share = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
    default: break;  // compatibility and exclusive: no sharing
    }
    DWORD disposition = OPEN_EXISTING;
    if (openFlags & modeCreate)
        disposition = (openFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;

    const HANDLE file = ::CreateFileW(fileName, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return FALSE;
    m_hFile = file;
    return TRUE;
}

void CFile::Close()
{
    if (IsOpen()) {
        ::CloseHandle(m_hFile);
        m_hFile = INVALID_HANDLE_VALUE;
    }
}

UINT CFile::Read(void* buffer, UINT count)
{
    DWORD got = 0;
    if (!IsOpen() || count == 0 || !buffer || !::ReadFile(m_hFile, buffer, count, &got, nullptr))
        return 0;
    return got;
}

BOOL CFile::Write(const void* buffer, UINT count)
{
    if (count == 0)
        return IsOpen();
    DWORD written = 0;
    return IsOpen() && buffer && ::WriteFile(m_hFile, buffer, count, &written, nullptr) && written == count;
}

ULONGLONG CFile::Seek(LONGLONG offset, UINT from)
{
    LARGE_INTEGER distance;
    distance.QuadPart = offset;
    LARGE_INTEGER now;
    if (!IsOpen() || from > end || !::SetFilePointerEx(m_hFile, distance, &now, from))
        return kSeekFailed;
    return static_cast<ULONGLONG>(now.QuadPart);
}

ULONGLONG CFile::GetPosition() const
{
    LARGE_INTEGER zero{};
    LARGE_INTEGER now;
    if (!IsOpen() || !::SetFilePointerEx(m_hFile, zero, &now, FILE_CURRENT))
        return 0;
    return static_cast<ULONGLONG>(now.QuadPart);
}

ULONGLONG CFile::GetLength() const
{
    LARGE_INTEGER size;
    if (!IsOpen() || !::GetFileSizeEx(m_hFile, &size))
        return 0;
    return static_cast<ULONGLONG>(size.QuadPart);
}

BOOL CFile::SetLength(ULONGLONG newLength)
{
    const ULONGLONG position = GetPosition();
    if (Seek(static_cast<LONGLONG>(newLength), begin) == kSeekFailed)
        return FALSE;
    const BOOL ok = ::SetEndOfFile(m_hFile);
    Seek(static_cast<LONGLONG>(position), begin);
    return ok;
}

void CFile::Flush()
{
    if (IsOpen())
        ::FlushFileBuffers(m_hFile);
}

// ---------------------------------------------------------------- CMemFile

CMemFile::CMemFile(UINT growBytes) : m_growBytes(growBytes) {}

CMemFile::CMemFile(BYTE* buffer, UINT size, UINT growBytes)
{
    Attach(buffer, size, growBytes);
}

CMemFile::~CMemFile()
{
    FreeOwned();
}

void CMemFile::FreeOwned()
{
    if (m_ownsBuffer)
        std::free(m_buffer);
    m_buffer = nullptr;
    m_ownsBuffer = false;
    m_bufferSize = m_fileSize = 0;
    m_position = 0;
}

void CMemFile::Attach(BYTE* buffer, UINT size, UINT growBytes)
{
    FreeOwned();
    m_buffer = buffer;
    m_bufferSize = m_fileSize = buffer ? size : 0;
    m_growBytes = growBytes;
}

BYTE* CMemFile::Detach()
{
    BYTE* const buffer = m_buffer;
    m_ownsBuffer = false;   // the caller's now: FreeOwned only forgets it
    FreeOwned();
    return buffer;
}

void CMemFile::Close()
{
    FreeOwned();
}

UINT CMemFile::Read(void* buffer, UINT count)
{
    if (!buffer || m_position >= m_fileSize)
        return 0;
    const SIZE_T left = m_fileSize - static_cast<SIZE_T>(m_position);
    const UINT n = count < left ? count : static_cast<UINT>(left);
    std::memcpy(buffer, m_buffer + m_position, n);
    m_position += n;
    return n;
}

bool CMemFile::Reserve(ULONGLONG needed)
{
    if (needed <= m_bufferSize)
        return true;
    // Only memory of our own grows; attached blocks keep their size.
    if ((m_buffer && !m_ownsBuffer) || m_growBytes == 0 || needed > (SIZE_MAX / 2))
        return false;
    const SIZE_T step = m_growBytes;
    const SIZE_T newSize = static_cast<SIZE_T>((needed + step - 1) / step * step);
    BYTE* const grown = static_cast<BYTE*>(std::realloc(m_buffer, newSize));
    if (!grown)
        return false;
    m_buffer = grown;
    m_bufferSize = newSize;
    m_ownsBuffer = true;
    return true;
}

BOOL CMemFile::Write(const void* buffer, UINT count)
{
    if (count == 0)
        return TRUE;
    const ULONGLONG endOfWrite = m_position + count;
    if (!buffer || !Reserve(endOfWrite))
        return FALSE;
    if (m_position > m_fileSize)  // writing past the end: the gap reads as zeros
        std::memset(m_buffer + m_fileSize, 0, static_cast<SIZE_T>(m_position) - m_fileSize);
    std::memcpy(m_buffer + m_position, buffer, count);
    m_position = endOfWrite;
    if (endOfWrite > m_fileSize)
        m_fileSize = static_cast<SIZE_T>(endOfWrite);
    return TRUE;
}

ULONGLONG CMemFile::Seek(LONGLONG offset, UINT from)
{
    LONGLONG base = 0;
    switch (from) {
    case begin: base = 0; break;
    case current: base = static_cast<LONGLONG>(m_position); break;
    case end: base = static_cast<LONGLONG>(m_fileSize); break;
    default: return kSeekFailed;
    }
    if (offset > 0 && base > LLONG_MAX - offset)
        return kSeekFailed;
    const LONGLONG target = base + offset;
    if (target < 0)
        return kSeekFailed;
    m_position = static_cast<ULONGLONG>(target);
    return m_position;
}

BOOL CMemFile::SetLength(ULONGLONG newLength)
{
    if (newLength > m_fileSize) {
        if (!Reserve(newLength))
            return FALSE;
        std::memset(m_buffer + m_fileSize, 0, static_cast<SIZE_T>(newLength) - m_fileSize);
    }
    m_fileSize = static_cast<SIZE_T>(newLength);
    if (m_position > m_fileSize)
        m_position = m_fileSize;
    return TRUE;
}
