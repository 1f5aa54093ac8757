#include "skin/model/XmlRead.h"

#include "skin/model/ComCheck.h"
#include "skin/model/XmlDom.h"

#include <cwchar>

namespace Vexel {
namespace XmlRead {

namespace {

// VariantChangeType only reads its source, but is declared without const.
VARIANT* Source(const _variant_t& value)
{
    return const_cast<VARIANT*>(static_cast<const VARIANT*>(&value));
}

} // namespace

ComPtr<IXMLDOMElement> SelectChildElement(IXMLDOMNode* parent, LPCWSTR name)
{
    if (!parent)
        return nullptr;
    ComPtr<IXMLDOMNode> node;
    CheckHr(parent->selectSingleNode(_bstr_t(name), node.Out()));
    return XmlDom::AsElement(node.Get());
}

ChildElements::ChildElements(IXMLDOMElement* parent)
{
    if (!parent)
        return;
    for (ComPtr<IXMLDOMNode> child = XmlDom::FirstChild(parent); child; child = XmlDom::NextSibling(child.Get())) {
        ComPtr<IXMLDOMElement> element = XmlDom::AsElement(child.Get());
        if (!element)
            continue;
        CString name = XmlDom::NodeName(child.Get());
        if (!Find(name))
            m_entries.push_back(Entry{std::move(name), std::move(element)});
    }
}

IXMLDOMElement* ChildElements::Find(LPCWSTR name) const
{
    if (!name)
        return nullptr;
    for (const Entry& entry : m_entries) {
        if (wcscmp(entry.name, name) == 0)
            return entry.element.Get();
    }
    return nullptr;
}

void ChildElements::Add(LPCWSTR name, const ComPtr<IXMLDOMElement>& element)
{
    if (name && element && !Find(name))
        m_entries.push_back(Entry{CString(name), element});
}

bool GetAttribute(IXMLDOMElement* element, LPCWSTR name, _variant_t& value)
{
    value.Clear();
    if (!element)
        _com_issue_error(E_POINTER);
    VARIANT raw;
    VariantInit(&raw);
    const HRESULT hr = element->getAttribute(_bstr_t(name), &raw);
    value.Attach(raw);      // owned before a failure can raise
    CheckHr(hr);
    if (hr != S_OK || value.vt == VT_NULL || value.vt == VT_EMPTY) {
        value.Clear();
        return false;
    }
    return true;
}

CString AttributeText(const _variant_t& value)
{
    if (value.vt == VT_BSTR)
        return CString(value.bstrVal, static_cast<int>(SysStringLen(value.bstrVal)));
    if (value.vt == VT_EMPTY || value.vt == VT_NULL)
        return CString();
    _variant_t text;
    CheckHr(VariantChangeType(&text, Source(value), 0, VT_BSTR));
    return CString(text.bstrVal, static_cast<int>(SysStringLen(text.bstrVal)));
}

namespace {

// An absent attribute is no number (the conversion itself would make VT_EMPTY a 0).
void RequirePresent(const _variant_t& value)
{
    if (value.vt == VT_EMPTY || value.vt == VT_NULL)
        _com_issue_error(DISP_E_TYPEMISMATCH);
}

} // namespace

int AttributeToInt(const _variant_t& value)
{
    RequirePresent(value);
    _variant_t number;
    CheckHr(VariantChangeType(&number, Source(value), 0, VT_I4));
    return number.lVal;
}

BYTE AttributeToByte(const _variant_t& value)
{
    RequirePresent(value);
    _variant_t number;
    CheckHr(VariantChangeType(&number, Source(value), 0, VT_UI1));
    return number.bVal;
}

} // namespace XmlRead
} // namespace Vexel
