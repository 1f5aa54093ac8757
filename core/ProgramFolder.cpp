#include "core/ProgramFolder.h"

#include "framework/SystemAnswers.h"

CString GetProgramFolder()
{
    return GetSystemAnswers().GetProgramFolder();
}
