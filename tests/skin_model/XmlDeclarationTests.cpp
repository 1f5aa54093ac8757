// The XML declaration check that stands before the parser: declarations that crash the
// platform's parser (a long version, in any of the encodings it detects) never reach it, and
// every sound declaration still opens its skin.
#include <gtest/gtest.h>

#include "skin/model/SkinReader.h"
#include "skin/model/XmlDeclaration.h"

#include "tests/skin_model/SkinFileFixtures.h"

#include <string>

using namespace Vexel;

namespace {

enum class Form { Utf8, Utf8Mark, Utf16Le, Utf16LeMark, Utf16Be, Utf16BeMark };

const struct {
    Form form;
    const char* name;
} kForms[] = {
    {Form::Utf8, "UTF-8"},       {Form::Utf8Mark, "UTF-8 with its mark"},
    {Form::Utf16Le, "UTF-16LE"}, {Form::Utf16LeMark, "UTF-16LE with its mark"},
    {Form::Utf16Be, "UTF-16BE"}, {Form::Utf16BeMark, "UTF-16BE with its mark"},
};

// ASCII text in one of the forms the parser tells apart by its first bytes.
std::string Encode(const std::string& ascii, Form form)
{
    std::string bytes;
    switch (form) {
    case Form::Utf8Mark: bytes = "\xEF\xBB\xBF"; [[fallthrough]];
    case Form::Utf8: return bytes + ascii;
    case Form::Utf16LeMark: bytes = "\xFF\xFE"; [[fallthrough]];
    case Form::Utf16Le:
        for (const char c : ascii)
            bytes += std::string(1, c) + '\0';
        return bytes;
    case Form::Utf16BeMark: bytes = "\xFE\xFF"; [[fallthrough]];
    case Form::Utf16Be:
        for (const char c : ascii)
            bytes += std::string(1, '\0') + c;
        return bytes;
    }
    return bytes;
}

bool IsSafe(const std::string& bytes)
{
    return IsSafeXmlHead(bytes.data(), bytes.size());
}

const std::string kThirtyNines(30, '9');

TEST(XmlDeclarationTest, SoundDeclarationsAndOtherHeadsPass)
{
    const char* const heads[] = {
        "<?xml version=\"1.0\"?><a/>",
        "<?xml version='1.0' encoding='utf-8'?>",
        "<?xml version=\"1.1\" encoding=\"ISO-8859-1\" standalone=\"yes\" ?>",
        "<?xml\tversion = \"1.0\"\r\n standalone='no'?>",
        "<?xml version=\"1.0000\"?>",
        "<VexelUI/>",
        "<?xml-stylesheet href=\"a\"?><a/>",
        "",
        "<",
    };
    for (const char* head : heads) {
        for (const auto& form : kForms)
            EXPECT_TRUE(IsSafe(Encode(head, form.form))) << head << " in " << form.name;
    }
}

TEST(XmlDeclarationTest, DeclarationsOutsideTheGrammarOrItsLimitsAreRefused)
{
    const std::string longName(kMaxXmlEncodingLength + 1, 'a');
    const std::string declarations[] = {
        "<?xml version=\"1." + kThirtyNines + "\"?><a/>",
        "<?xml version='1." + std::string(kMaxXmlVersionLength - 1, '0') + "'?>",
        "<?xml version=\"1." + kThirtyNines + "\" encoding=\"UTF-8\"?>",
        "<?xml   version =  \"1." + kThirtyNines + "\"?>",
        "<?xml version=\"2.0\"?>",
        "<?xml version=\"1.\"?>",
        "<?xml version=\"1.0a\"?>",
        "<?xml version=\"1.0\" encoding=\"" + longName + "\"?>",
        "<?xml version=\"1.0\" encoding=\"8bit\"?>",
        "<?xml version=\"1.0\" standalone=\"maybe\"?>",
        "<?xml version=\"1.0\" standalone=\"yes\" encoding=\"utf-8\"?>",
        "<?xml version=\"1.0\"encoding=\"utf-8\"?>",
        "<?xml version=\"1.0' ?>",
        "<?xml version=1.0?>",
        "<?xml encoding=\"utf-8\"?>",
        "<?xml?>",
        "<?xml version=\"1.0\"",
        "<?xml version=\"1.0\"" + std::string(kMaxXmlDeclarationLength, ' ') + "?>",
    };
    for (const std::string& declaration : declarations) {
        for (const auto& form : kForms)
            EXPECT_FALSE(IsSafe(Encode(declaration, form.form))) << declaration << " in " << form.name;
    }
}

class XmlDeclarationSkinTest : public skin_test::SkinTest {};

// The declaration that used to take the process down, in each form the parser reads.
TEST_F(XmlDeclarationSkinTest, ALongVersionIsRefusedBeforeTheParserSeesIt)
{
    const std::string skin = "<?xml version=\"1." + kThirtyNines + "\"?>\r\n<VexelUI/>";
    for (const auto& form : kForms) {
        SCOPED_TRACE(form.name);
        const std::wstring path = WriteSkin(Encode(skin, form.form));
        EXPECT_EQ(kSkinFileNotParsed, OpenSkin(path.c_str(), 1));
        EXPECT_TRUE(skin_test::StoreHoldsNoRecord());
    }
    EXPECT_TRUE(prompts.Prompts().empty());
}

TEST_F(XmlDeclarationSkinTest, ASkinWithASoundDeclarationStillOpensInEveryForm)
{
    const std::string skin =
        "<?xml version=\"1.0\" standalone=\"yes\"?>\r\n<VexelUI><Version Version=\"0700\" Build=\"4467\"/>"
        "<Windows><Window><ID Value=\"IDW_A\"/></Window></Windows></VexelUI>";
    for (const auto& form : kForms) {
        SCOPED_TRACE(form.name);
        ReleaseSkin();
        const std::wstring path = WriteSkin(Encode(skin, form.form));
        ASSERT_EQ(kSkinOpened, OpenSkin(path.c_str(), 1));
        ASSERT_EQ(1u, g_skinStore.windows.size());
    }
}

} // namespace
