#pragma once
// Reading the skin file's DOM: children found by name, attributes as texts and numbers.
// Every failed DOM call and every attribute that does not convert to the number asked
// for raises a _com_error (the skin model's rule); the skin reader turns those into its
// result code.
#include "framework/ComPtr.h"
#include "framework/ComSupport.h"
#include "framework/String.h"

#include <vector>

#include <windows.h>
#include <msxml2.h>

namespace Vexel {
namespace XmlRead {

// The first child element of `parent` named `name` (exact comparison), found with the
// DOM's own selection by bare name; null when there is none or `parent` is null.
ComPtr<IXMLDOMElement> SelectChildElement(IXMLDOMNode* parent, LPCWSTR name);

// The element children of one element, indexed once by name so that a record's
// variables find their elements without a selection each. Find answers what
// SelectChildElement would: the first element child with exactly that name.
class ChildElements {
public:
    explicit ChildElements(IXMLDOMElement* parent);     // null: no children
    IXMLDOMElement* Find(LPCWSTR name) const;
    // Records a child appended since (the writer's new property elements); a name
    // already held keeps its first element.
    void Add(LPCWSTR name, const ComPtr<IXMLDOMElement>& element);

private:
    struct Entry {
        CString name;
        ComPtr<IXMLDOMElement> element;
    };
    std::vector<Entry> m_entries;                       // first of each name, in order
};

// The attribute's value as the DOM gives it; false (and `value` empty) when the element
// has no such attribute.
bool GetAttribute(IXMLDOMElement* element, LPCWSTR name, _variant_t& value);

// An attribute's text (the empty text when there is none).
CString AttributeText(const _variant_t& value);

// The value as a 32-bit signed integer or an unsigned byte by the OLE Automation
// conversion; anything that is no such number (an absent attribute included) raises.
int AttributeToInt(const _variant_t& value);
BYTE AttributeToByte(const _variant_t& value);

} // namespace XmlRead
} // namespace Vexel
