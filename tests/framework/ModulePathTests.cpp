// A module's path as the framework gives it: whole, even where it is longer than MAX_PATH.
#include "framework/ModulePath.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Folders `depth` deep under a temporary folder of their own, made with the long-path prefix,
// and taken away again with what was put in them.
class LongFolder {
public:
    explicit LongFolder(int depth)
    {
        wchar_t temp[MAX_PATH];
        ::GetTempPathW(MAX_PATH, temp);
        std::wstring path = std::wstring(L"\\\\?\\") + temp + L"lumeo_module_path";
        for (int level = 0; level <= depth; ++level) {
            if (level > 0)
                path += L"\\" + std::wstring(60, static_cast<wchar_t>(L'a' + level));
            ::CreateDirectoryW(path.c_str(), nullptr);
            m_folders.push_back(path);
        }
    }
    ~LongFolder()
    {
        for (const std::wstring& file : m_files)
            ::DeleteFileW(file.c_str());
        for (auto folder = m_folders.rbegin(); folder != m_folders.rend(); ++folder)
            ::RemoveDirectoryW(folder->c_str());
    }
    LongFolder(const LongFolder&) = delete;
    LongFolder& operator=(const LongFolder&) = delete;

    std::wstring File(const wchar_t* name)
    {
        m_files.push_back(m_folders.back() + L"\\" + name);
        return m_files.back();
    }

private:
    std::vector<std::wstring> m_folders;
    std::vector<std::wstring> m_files;
};

TEST(ModulePath, TheProgramsPathAndFolderAreTheOnesTheSystemGives)
{
    std::vector<wchar_t> own(32768);
    const DWORD length = ::GetModuleFileNameW(nullptr, own.data(), static_cast<DWORD>(own.size()));
    ASSERT_GT(length, 0u);
    const CString path = ModuleFilePath(nullptr);
    EXPECT_EQ(path, CString(own.data()));
    const CString folder = ModuleFolder(nullptr);
    ASSERT_FALSE(folder.IsEmpty());
    EXPECT_EQ(folder.Right(1), CString(L"\\"));
    EXPECT_EQ(path.Left(folder.GetLength()), folder);
    EXPECT_EQ(path.Find(L'\\', folder.GetLength()), -1) << "the folder ends at the last backslash";
}

TEST(ModulePath, ALibraryDeeperThanMaxPathGivesItsWholePath)
{
    LongFolder deep(5);
    const std::wstring copy = deep.File(L"Deep.dll");
    ASSERT_GT(copy.size(), static_cast<size_t>(MAX_PATH) + 4);
    const CString library = ModuleFolder(nullptr) + L"TavikCore.dll";
    ASSERT_TRUE(::CopyFileW(library, copy.c_str(), FALSE));
    const HMODULE module = ::LoadLibraryExW(copy.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    ASSERT_NE(module, nullptr);
    const CString path = ModuleFilePath(module);
    const CString folder = ModuleFolder(module);
    ::FreeLibrary(module);
    EXPECT_GT(path.GetLength(), MAX_PATH);
    EXPECT_EQ(path.Right(9), CString(L"\\Deep.dll"));
    EXPECT_EQ(folder, path.Left(path.GetLength() - 8));
}

} // namespace
