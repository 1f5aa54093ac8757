#include "skin/ui/BitmapFileCache.h"

#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace Vexel {
namespace {

struct KeptFile {
    FileStamp stamp;
    std::vector<std::uint8_t> bytes;   // the whole file
};

std::mutex g_keptLock;
std::map<std::wstring, std::shared_ptr<const KeptFile>>& KeptFiles()
{
    static std::map<std::wstring, std::shared_ptr<const KeptFile>> files;
    return files;
}

// The file's bytes; null when it cannot be read whole. Bitmap files are small, so a file
// larger than any skin's is not kept.
std::shared_ptr<const KeptFile> ReadWhole(const std::wstring& path, const FileStamp& stamp)
{
    constexpr ULONGLONG kLargest = 64ull * 1024 * 1024;
    if (stamp.size == 0 || stamp.size > kLargest)
        return nullptr;
    const HANDLE opened = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE)
        return nullptr;
    const std::unique_ptr<void, decltype(&::CloseHandle)> file(opened, &::CloseHandle);
    auto kept = std::make_shared<KeptFile>();
    kept->stamp = stamp;
    kept->bytes.resize(static_cast<size_t>(stamp.size));
    DWORD read = 0;
    if (!::ReadFile(file.get(), kept->bytes.data(), static_cast<DWORD>(kept->bytes.size()), &read, nullptr) ||
        read != kept->bytes.size())
        return nullptr;
    return kept;
}

// The file as kept, read when it is not kept yet or has changed on disk.
std::shared_ptr<const KeptFile> Kept(const std::wstring& path)
{
    FileStamp stamp;
    if (!ReadFileStamp(path.c_str(), stamp))
        return nullptr;
    {
        const std::lock_guard<std::mutex> lock(g_keptLock);
        const auto found = KeptFiles().find(path);
        if (found != KeptFiles().end() && found->second->stamp == stamp)
            return found->second;
    }
    std::shared_ptr<const KeptFile> kept = ReadWhole(path, stamp);
    if (!kept)
        return nullptr;
    const std::lock_guard<std::mutex> lock(g_keptLock);
    KeptFiles()[path] = kept;
    return kept;
}

// Whether the screen bitmap is made here as LoadImage makes it: an uncompressed, bottom-up DIB
// with an information header and whole rows. Any other file is left to LoadImage itself, which
// makes of it what it always made.
bool IsPlainDib(const std::vector<std::uint8_t>& bytes, const BITMAPINFOHEADER*& header, const void*& bits)
{
    if (bytes.size() < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER))
        return false;
    BITMAPFILEHEADER file;
    std::memcpy(&file, bytes.data(), sizeof file);
    header = reinterpret_cast<const BITMAPINFOHEADER*>(bytes.data() + sizeof(BITMAPFILEHEADER));
    if (file.bfType != 0x4D42 || header->biSize != sizeof(BITMAPINFOHEADER) || header->biPlanes != 1 ||
        header->biCompression != BI_RGB || header->biWidth <= 0 || header->biHeight <= 0)
        return false;
    const int bitCount = header->biBitCount;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
        return false;
    const ULONGLONG stride = ((static_cast<ULONGLONG>(header->biWidth) * bitCount + 31) / 32) * 4;
    const ULONGLONG rows = static_cast<ULONGLONG>(header->biHeight);
    if (file.bfOffBits >= bytes.size() || bytes.size() - file.bfOffBits < stride * rows)
        return false;
    const ULONGLONG colours = bitCount <= 8 ? (header->biClrUsed ? header->biClrUsed : (1ull << bitCount)) : 0;
    if (sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + colours * sizeof(RGBQUAD) > file.bfOffBits)
        return false;
    bits = bytes.data() + file.bfOffBits;
    return true;
}

// A two-colour file whose colours are black, then white, makes a monochrome bitmap, as
// LoadImage does; any other two colours make a screen bitmap.
bool IsBlackAndWhite(const BITMAPINFOHEADER& header)
{
    if (header.biBitCount != 1)
        return false;
    RGBQUAD colours[2];
    std::memcpy(colours, reinterpret_cast<const std::uint8_t*>(&header) + sizeof(BITMAPINFOHEADER), sizeof colours);
    const auto is = [](const RGBQUAD& colour, BYTE value) {
        return colour.rgbRed == value && colour.rgbGreen == value && colour.rgbBlue == value && colour.rgbReserved == 0;
    };
    return is(colours[0], 0) && is(colours[1], 0xFF);
}

HBITMAP MakeScreenBitmap(const BITMAPINFOHEADER& header, const void* bits)
{
    const int width = header.biWidth;
    const int height = header.biHeight;
    const HDC screen = ::GetDC(nullptr);
    if (!screen)
        return nullptr;
    const HBITMAP made = IsBlackAndWhite(header) ? ::CreateBitmap(width, height, 1, 1, nullptr)
                                                 : ::CreateCompatibleBitmap(screen, width, height);
    const auto* info = reinterpret_cast<const BITMAPINFO*>(&header);
    const bool filled =
        made && ::SetDIBits(screen, made, 0, static_cast<UINT>(height), bits, info, DIB_RGB_COLORS) == height;
    ::ReleaseDC(nullptr, screen);
    if (!filled && made)
        ::DeleteObject(made);
    return filled ? made : nullptr;
}

} // namespace

bool ReadFileStamp(LPCWSTR path, FileStamp& stamp)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!path || !::GetFileAttributesExW(path, GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    stamp.size = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    stamp.written = data.ftLastWriteTime;
    return true;
}

std::wstring KeptPathKey(LPCWSTR path)
{
    std::wstring key(path ? path : L"");
    if (!key.empty())
        ::CharLowerBuffW(&key[0], static_cast<DWORD>(key.size()));
    return key;
}

HBITMAP MakeBitmapFromKeptFile(LPCWSTR path)
{
    if (!path || !*path)
        return nullptr;
    const std::shared_ptr<const KeptFile> kept = Kept(KeptPathKey(path));
    const BITMAPINFOHEADER* header = nullptr;
    const void* bits = nullptr;
    if (kept && IsPlainDib(kept->bytes, header, bits))
        return MakeScreenBitmap(*header, bits);
    return static_cast<HBITMAP>(
        ::LoadImageW(::GetModuleHandleW(nullptr), path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
}

} // namespace Vexel
