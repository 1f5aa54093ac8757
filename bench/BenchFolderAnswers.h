#pragma once
// The system table as a benchmark sees it: the program folder is the benchmark's own (the
// string it names, read at each question); every other answer is the system's.
#include "framework/SystemAnswers.h"

namespace bench {

class FolderAnswers : public SystemAnswers {
public:
    explicit FolderAnswers(const CString& folder) : m_folder(folder) {}
    CString GetProgramFolder() const override { return m_folder; }

private:
    const CString& m_folder;
};

} // namespace bench
