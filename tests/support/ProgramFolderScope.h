#pragma once
// Points GetProgramFolder at a fresh temporary folder for the life of the object, so what
// start-up writes beside the program lands there; puts the real folder back afterwards.
#include "core/ProgramFolder.h"
#include "tests/support/SystemAnswersScope.h"
#include "tests/support/TempDir.h"

#include <string>

namespace lumeo_test {

class ProgramFolderScope : public SystemAnswersScope {
public:
    ProgramFolderScope() : m_text(CString(m_folder.Path().c_str()) + L"\\") {}

    // A path below the folder, as text.
    std::wstring Path(const wchar_t* relative) const { return m_folder.Path() + L"\\" + relative; }

    CString GetProgramFolder() const override { return m_text; }

private:
    lumeo_test::TempDir m_folder;
    const CString m_text;
};

} // namespace lumeo_test
