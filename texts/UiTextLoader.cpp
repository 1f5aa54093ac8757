#include "texts/UiTextLoader.h"

#include "texts/IniFile.h"

bool LoadUiTexts(const CString& path, UiTextTable& texts)
{
    if (path.IsEmpty())
        return false;
    const IniFile file(path);
    ForEachUiText(texts, [&file](const wchar_t* section, const wchar_t* key, CString& text) {
        file.ReadString(section, key, text);
    });
    return true;
}

bool LoadUiTexts(const CString& path)
{
    if (!LoadUiTexts(path, g_uiTexts))
        return false;
    BindCoreUiTexts(g_uiTexts);
    return true;
}
