#include "texts/UiTextLoader.h"

#include "texts/IniFile.h"

bool LoadUiTexts(const CString& path, UiTextTable& texts)
{
    if (path.IsEmpty())
        return false;
    const IniFile file(path);
    int filled = 0;
    ForEachUiText(texts, [&file, &filled](const wchar_t* section, const wchar_t* key, CString& text) {
        file.ReadString(section, key, text);
        if (!text.IsEmpty())
            ++filled;
    });
    return filled > 0;
}

bool LoadUiTexts(const CString& path)
{
    if (!LoadUiTexts(path, g_uiTexts))
        return false;
    BindCoreUiTexts(g_uiTexts);
    return true;
}
