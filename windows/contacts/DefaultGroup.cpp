#include "windows/contacts/DefaultGroup.h"

#include "core/TextConvert.h"
#include "texts/UiTextTable.h"

namespace {

constexpr char kStoredName[] = "Friends";

} // namespace

std::string StoredGroupName(const std::string& shownName)
{
    if (AnsiToWide(shownName) == g_uiTexts.contactDetailsWnd.t32000)
        return kStoredName;
    return shownName;
}

std::string ShownGroupName(const std::string& storedName)
{
    if (storedName == kStoredName)
        return WideToAnsi(g_uiTexts.contactDetailsWnd.t32000);
    return storedName;
}
