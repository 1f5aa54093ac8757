#include "ImportTable.h"

#include <windows.h>

#include <cstring>
#include <fstream>
#include <iterator>

namespace lumeo_test {

namespace {

// The file offset of `rva`, through the section holding it; 0 when none does.
size_t OffsetOf(const IMAGE_NT_HEADERS& nt, DWORD rva)
{
    const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(&nt);
    for (WORD i = 0; i < nt.FileHeader.NumberOfSections; ++i, ++section) {
        const DWORD size = section->Misc.VirtualSize ? section->Misc.VirtualSize : section->SizeOfRawData;
        if (rva >= section->VirtualAddress && rva < section->VirtualAddress + size)
            return static_cast<size_t>(rva - section->VirtualAddress) + section->PointerToRawData;
    }
    return 0;
}

} // namespace

std::vector<std::string> ImportedDllNames(const std::wstring& imageFile)
{
    std::vector<std::string> result;
    std::ifstream file(imageFile.c_str(), std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (bytes.size() < sizeof(IMAGE_DOS_HEADER))
        return result;
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes.data());
    if (dos->e_magic != IMAGE_DOS_SIGNATURE || dos->e_lfanew <= 0 ||
        static_cast<size_t>(dos->e_lfanew) + sizeof(IMAGE_NT_HEADERS) > bytes.size())
        return result;
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(bytes.data() + dos->e_lfanew);
    if (nt->Signature != IMAGE_NT_SIGNATURE || nt->OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR_MAGIC)
        return result;
    const IMAGE_DATA_DIRECTORY& entry = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    size_t offset = entry.VirtualAddress ? OffsetOf(*nt, entry.VirtualAddress) : 0;
    for (; offset && offset + sizeof(IMAGE_IMPORT_DESCRIPTOR) <= bytes.size(); offset += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
        IMAGE_IMPORT_DESCRIPTOR descriptor;
        std::memcpy(&descriptor, bytes.data() + offset, sizeof descriptor);
        if (descriptor.Name == 0)
            break;
        const size_t name = OffsetOf(*nt, descriptor.Name);
        if (name == 0 || name >= bytes.size())
            break;
        result.emplace_back(bytes.data() + name, strnlen(bytes.data() + name, bytes.size() - name));
    }
    return result;
}

bool HoldsDll(const std::vector<std::string>& names, const std::string& dll)
{
    for (const std::string& name : names) {
        if (lstrcmpiA(name.c_str(), dll.c_str()) == 0)
            return true;
    }
    return false;
}

} // namespace lumeo_test
