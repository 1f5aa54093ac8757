#include "skin/model/XmlSerializer.h"

#include "framework/File.h"
#include "skin/model/ComCheck.h"
#include "skin/model/SkinXmlFormat.h"
#include "skin/model/XmlDom.h"

namespace Vexel {

namespace {

using SkinXml::kByteOrderMark;
using SkinXml::kLineEnd;

// Characters a document can carry at all (XML 1.0 Char, surrogate halves passed on).
bool IsXmlChar(wchar_t ch)
{
    if (ch < 0x20)
        return ch == L'\t' || ch == L'\n' || ch == L'\r';
    return ch != 0xFFFE && ch != 0xFFFF;
}

void AppendEscaped(std::wstring& out, const CString& text, bool attribute)
{
    const std::wstring& chars = text.Str();
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const wchar_t ch = chars[i];
        // Some DOMs keep a text's CR LF, others only the LF: every line end of a text is
        // written as CR LF, so that the file is the same either way.
        if (!attribute && (ch == L'\r' || ch == L'\n')) {
            if (ch == L'\r' && i + 1 < chars.size() && chars[i + 1] == L'\n')
                ++i;
            out += kLineEnd;
            continue;
        }
        switch (ch) {
        case L'&': out += L"&amp;"; break;
        case L'<': out += L"&lt;"; break;
        case L'>': out += L"&gt;"; break;
        case L'"':
            out += attribute ? L"&quot;" : L"\"";
            break;
        // Inside an attribute a reader turns these into blanks unless they are
        // written as references.
        case L'\t': out += attribute ? L"&#x9;" : L"\t"; break;
        case L'\n': out += L"&#xA;"; break;
        case L'\r': out += L"&#xD;"; break;
        default:
            if (IsXmlChar(ch))
                out += ch;
            break;
        }
    }
}

class Serializer {
public:
    explicit Serializer(std::wstring& out) : m_out(out) {}

    void WriteNode(IXMLDOMNode* node)
    {
        switch (XmlDom::NodeType(node)) {
        case NODE_ELEMENT:
            WriteElement(node);
            break;
        case NODE_TEXT:
            AppendEscaped(m_out, XmlDom::NodeValue(node), false);
            break;
        case NODE_CDATA_SECTION:
            m_out += L"<![CDATA[";
            m_out += XmlDom::NodeValue(node).Str();
            m_out += L"]]>";
            break;
        case NODE_COMMENT:
            m_out += L"<!--";
            m_out += XmlDom::NodeValue(node).Str();
            m_out += L"-->";
            break;
        case NODE_PROCESSING_INSTRUCTION: {
            m_out += L"<?";
            m_out += XmlDom::NodeName(node).Str();
            const CString data = XmlDom::NodeValue(node);
            if (!data.IsEmpty()) {
                m_out += L' ';
                m_out += data.Str();
            }
            m_out += L"?>";
            break;
        }
        default:
            // Entity references, document types and the like never occur in
            // the documents we build.
            _com_issue_error(E_UNEXPECTED);
        }
    }

private:
    void WriteElement(IXMLDOMNode* element)
    {
        const CString name = XmlDom::NodeName(element);
        m_out += L'<';
        m_out += name.Str();
        WriteAttributes(element);
        ComPtr<IXMLDOMNode> child = XmlDom::FirstChild(element);
        if (!child) {
            m_out += L"/>";
            return;
        }
        m_out += L'>';
        for (; child; child = XmlDom::NextSibling(child.Get()))
            WriteNode(child.Get());
        m_out += L"</";
        m_out += name.Str();
        m_out += L'>';
    }

    void WriteAttributes(IXMLDOMNode* element)
    {
        ComPtr<IXMLDOMNamedNodeMap> attributes;
        CheckHr(element->get_attributes(attributes.Out()));
        if (!attributes)
            return;
        long count = 0;
        CheckHr(attributes->get_length(&count));
        for (long i = 0; i < count; ++i) {
            ComPtr<IXMLDOMNode> attribute;
            CheckHr(attributes->get_item(i, attribute.Out()));
            if (!attribute)
                _com_issue_error(E_POINTER);
            m_out += L' ';
            m_out += XmlDom::NodeName(attribute.Get()).Str();
            m_out += L"=\"";
            AppendEscaped(m_out, XmlDom::NodeValue(attribute.Get()), true);
            m_out += L'"';
        }
    }

    std::wstring& m_out;
};

std::string ToUtf8(const std::wstring& text)
{
    if (text.empty())
        return std::string();
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    if (size <= 0)
        _com_issue_error(HRESULT_FROM_WIN32(GetLastError()));
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &bytes[0], size, nullptr,
                        nullptr);
    return bytes;
}

} // namespace

std::string SerializeXmlDocument(IXMLDOMDocument* document)
{
    if (!document)
        _com_issue_error(E_POINTER);
    std::wstring text;
    Serializer serializer(text);
    for (ComPtr<IXMLDOMNode> node = XmlDom::FirstChild(document); node; node = XmlDom::NextSibling(node.Get())) {
        serializer.WriteNode(node.Get());
        text += kLineEnd;
    }
    return kByteOrderMark + ToUtf8(text);
}

bool SaveXmlDocument(IXMLDOMDocument* document, LPCWSTR path)
{
    const std::string bytes = SerializeXmlDocument(document);
    bool written = false;
    {
        CFile file;
        if (!file.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive))
            return false;
        written = file.Write(bytes.data(), static_cast<UINT>(bytes.size())) != FALSE;
    }
    if (!written)
        DeleteFileW(path);
    return written;
}

} // namespace Vexel
