#include "skin/model/XmlDom.h"

#include "skin/model/ComCheck.h"

#include <ole2.h>

namespace Vexel {
namespace XmlDom {

const CLSID kDocumentClass = {0x2933BF90, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
const IID kDocumentIid = {0x2933BF81, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
const IID kNodeIid = {0x2933BF80, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
const IID kElementIid = {0x2933BF86, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};

namespace {

void Require(const void* node)
{
    if (!node)
        _com_issue_error(E_POINTER);
}

// A BSTR argument for the duration of one call (a null text is the empty one).
_bstr_t Bstr(LPCWSTR text)
{
    return _bstr_t(text ? text : L"");
}

} // namespace

ComPtr<IXMLDOMDocument> CreateDocument()
{
    ComPtr<IUnknown> unknown;
    CheckHr(unknown.CreateInstance(kDocumentClass, IID_IUnknown, CLSCTX_ALL));
    CheckHr(OleRun(unknown.Get()));
    ComPtr<IXMLDOMDocument> document;
    const HRESULT hr = document.QueryFrom(unknown.Get(), kDocumentIid);
    if (hr != E_NOINTERFACE)
        CheckHr(hr);
    return document;
}

ComPtr<IXMLDOMElement> CreateElement(IXMLDOMDocument* document, LPCWSTR name)
{
    Require(document);
    ComPtr<IXMLDOMElement> element;
    CheckHr(document->createElement(Bstr(name), element.Out()));
    Require(element.Get());
    return element;
}

void AppendChild(IXMLDOMNode* parent, IXMLDOMNode* child)
{
    Require(parent);
    Require(child);
    ComPtr<IXMLDOMNode> appended;
    CheckHr(parent->appendChild(child, appended.Out()));
}

void SetAttribute(IXMLDOMElement* element, LPCWSTR name, LPCWSTR value)
{
    Require(element);
    CheckHr(element->setAttribute(Bstr(name), _variant_t(Bstr(value))));
}

ComPtr<IXMLDOMNode> FirstChild(IXMLDOMNode* node)
{
    Require(node);
    ComPtr<IXMLDOMNode> child;
    CheckHr(node->get_firstChild(child.Out()));
    return child;
}

ComPtr<IXMLDOMNode> NextSibling(IXMLDOMNode* node)
{
    Require(node);
    ComPtr<IXMLDOMNode> sibling;
    CheckHr(node->get_nextSibling(sibling.Out()));
    return sibling;
}

ComPtr<IXMLDOMNode> ParentNode(IXMLDOMNode* node)
{
    Require(node);
    ComPtr<IXMLDOMNode> parent;
    CheckHr(node->get_parentNode(parent.Out()));
    return parent;
}

DOMNodeType NodeType(IXMLDOMNode* node)
{
    Require(node);
    DOMNodeType type = NODE_INVALID;
    CheckHr(node->get_nodeType(&type));
    return type;
}

CString NodeName(IXMLDOMNode* node)
{
    Require(node);
    BSTR name = nullptr;
    const HRESULT hr = node->get_nodeName(&name);
    const _bstr_t owner(name, false);   // owned before a failure can raise
    CheckHr(hr);
    return CString(name, static_cast<int>(SysStringLen(name)));
}

CString NodeValue(IXMLDOMNode* node)
{
    Require(node);
    _variant_t value;
    CheckHr(node->get_nodeValue(&value));
    if (value.vt == VT_NULL || value.vt == VT_EMPTY)
        return CString();
    if (value.vt != VT_BSTR)
        value.ChangeType(VT_BSTR);
    return CString(value.bstrVal, static_cast<int>(SysStringLen(value.bstrVal)));
}

ComPtr<IXMLDOMElement> AsElement(IXMLDOMNode* node)
{
    ComPtr<IXMLDOMElement> element;
    if (node && NodeType(node) == NODE_ELEMENT)
        CheckHr(element.QueryFrom(node, kElementIid));
    return element;
}

} // namespace XmlDom
} // namespace Vexel
