#include <gtest/gtest.h>

#include "skin/model/ComCheck.h"
#include "skin/model/XmlDom.h"
#include "skin/model/XmlSerializer.h"

#include "tests/skin_model/XmlTestSupport.h"
#include "tests/support/TempDir.h"

#include <string>

using namespace Vexel;
using lumeo_test::WithoutMark;

namespace {

class XmlSerializerTest : public lumeo_test::XmlTest {
protected:
    void SetUp() override
    {
        XmlTest::SetUp();
        document = XmlDom::CreateDocument();
        ASSERT_TRUE(document);
    }

    ComPtr<IXMLDOMElement> Element(IXMLDOMNode* parent, LPCWSTR name)
    {
        ComPtr<IXMLDOMElement> element = XmlDom::CreateElement(document.Get(), name);
        XmlDom::AppendChild(parent, element.Get());
        return element;
    }

    void Text(IXMLDOMNode* parent, LPCWSTR text)
    {
        ComPtr<IXMLDOMText> node;
        CheckHr(document->createTextNode(_bstr_t(text), node.Out()));
        XmlDom::AppendChild(parent, node.Get());
    }

    ComPtr<IXMLDOMDocument> document;
};

TEST_F(XmlSerializerTest, DocumentLevelNodesOnLinesOfTheirOwnAndEmptyElementTags)
{
    ComPtr<IXMLDOMProcessingInstruction> declaration;
    CheckHr(document->createProcessingInstruction(_bstr_t(L"xml"), _bstr_t(L"version=\"1.0\" encoding=\"utf-8\""),
                                                  declaration.Out()));
    XmlDom::AppendChild(document.Get(), declaration.Get());
    ComPtr<IXMLDOMComment> comment;
    CheckHr(document->createComment(_bstr_t(L"note"), comment.Out()));
    XmlDom::AppendChild(document.Get(), comment.Get());
    ComPtr<IXMLDOMElement> root = Element(document.Get(), L"Root");
    XmlDom::SetAttribute(root.Get(), L"Second", L"2");
    XmlDom::SetAttribute(root.Get(), L"First", L"1");
    XmlDom::SetAttribute(root.Get(), L"Second", L"two");   // keeps its place
    Element(root.Get(), L"Empty");
    ComPtr<IXMLDOMElement> full = Element(root.Get(), L"Full");
    XmlDom::SetAttribute(full.Get(), L"A", L"");
    Element(full.Get(), L"Inner");

    const std::string bytes = SerializeXmlDocument(document.Get());
    EXPECT_EQ("\xEF\xBB\xBF"
              "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
              "<!--note-->\r\n"
              "<Root Second=\"two\" First=\"1\"><Empty/><Full A=\"\"><Inner/></Full></Root>\r\n",
              bytes);
}

TEST_F(XmlSerializerTest, EscapesAttributesAndTextsAndWritesUtf8)
{
    ComPtr<IXMLDOMElement> root = Element(document.Get(), L"R");
    XmlDom::SetAttribute(root.Get(), L"Value", L">>");
    XmlDom::SetAttribute(root.Get(), L"Mixed", L"a<b&\"c'\t\r\n\x01\x1F" L"d");
    XmlDom::SetAttribute(root.Get(), L"Wide", L"\x00E9\x20AC");
    Text(root.Get(), L"x<&>\"\r\n\t|\n|\r|");

    EXPECT_EQ("<R Value=\"&gt;&gt;\" Mixed=\"a&lt;b&amp;&quot;c'&#x9;&#xD;&#xA;d\" Wide=\"\xC3\xA9\xE2\x82\xAC\">"
              "x&lt;&amp;&gt;\"\r\n\t|\r\n|\r\n|</R>\r\n",
              WithoutMark(SerializeXmlDocument(document.Get())));
}

TEST_F(XmlSerializerTest, SavesTheBytesAndLeavesNothingWhenTheFileCannotBeWritten)
{
    Element(document.Get(), L"R");
    lumeo_test::TempDir dir;
    const std::wstring path = dir.File(L"doc.xml");
    ASSERT_TRUE(lumeo_test::WriteFileBytes(path, "old, longer contents"));
    EXPECT_TRUE(SaveXmlDocument(document.Get(), path.c_str()));
    EXPECT_EQ("\xEF\xBB\xBF<R/>\r\n", lumeo_test::ReadFileBytes(path));

    const std::wstring inMissingFolder = dir.File(L"missing\\doc.xml");
    EXPECT_FALSE(SaveXmlDocument(document.Get(), inMissingFolder.c_str()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(inMissingFolder.c_str()));
}

TEST_F(XmlSerializerTest, ANullDocumentRaises)
{
    EXPECT_THROW(SerializeXmlDocument(nullptr), _com_error);
}

} // namespace
