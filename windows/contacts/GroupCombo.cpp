#include "windows/contacts/GroupCombo.h"

#include "core/Base64.h"
#include "core/TavikSQL.h"
#include "core/TavikUtility.h"
#include "core/TextConvert.h"
#include "framework/CallbackGuard.h"
#include "framework/Wnd.h"
#include "texts/UiTextTable.h"

namespace {

void AddEntry(CWnd& combo, const CString& text)
{
    combo.SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCWSTR>(text)));
}

int GroupRowCallback(void* argument, int columns, char** values, char** names)
{
    try {
        for (int c = 0; c < columns; ++c) {
            if (!names[c] || TavikUtility::CompareNoCase(names[c], "GroupName") != 0 || !values[c] || !values[c][0])
                continue;
            AddEntry(*static_cast<CWnd*>(argument), AnsiToWide(Base64Decode(values[c])));
        }
    } catch (...) {
        AfxReportCallbackException("group row");
    }
    return 0;
}

} // namespace

void FillGroupCombo(CWnd* combo)
{
    if (!combo)
        return;
    std::string error;
    if (!g_database.Exec("select * from Groups", &GroupRowCallback, combo, &error))
        g_database.ReportFailure("groups read", error);   // the default group is offered still
    if (combo->SendMessage(CB_GETCOUNT) <= 0)
        AddEntry(*combo, g_uiTexts.contactDetailsWnd.t32000);
    combo->SendMessage(CB_SETCURSEL, 0);
}
