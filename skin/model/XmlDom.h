#pragma once
// The XML DOM component the skin file is read and written with, reached through COM.
// The toolchain's msxml2.h knows no GUIDs for these interfaces and redefines the
// document's class id, so the ids stand here as literals.
//
// The helpers below raise every failed DOM call as a _com_error carrying its HRESULT
// (the skin model's rule); a missing node where one is needed raises E_POINTER.
#include "framework/ComPtr.h"
#include "framework/String.h"

#include <windows.h>
#include <msxml2.h>

namespace Vexel {
namespace XmlDom {

extern const CLSID kDocumentClass;      // {2933BF90-7B36-11D2-B20E-00C04F983E60}
extern const IID kDocumentIid;          // IXMLDOMDocument {2933BF81-...}
extern const IID kNodeIid;              // IXMLDOMNode {2933BF80-...}
extern const IID kElementIid;           // IXMLDOMElement {2933BF86-...}

// A new, empty document: created in any server context, run, then asked for its
// document interface. COM must be initialised on the thread. A creation that fails
// raises, except that a component without the document interface gives a null
// document (which raises E_POINTER at its first use).
ComPtr<IXMLDOMDocument> CreateDocument();

ComPtr<IXMLDOMElement> CreateElement(IXMLDOMDocument* document, LPCWSTR name);
// Appends `child` to `parent`; a child that is already there moves to the end.
void AppendChild(IXMLDOMNode* parent, IXMLDOMNode* child);
// Sets an attribute to a text value; an existing attribute keeps its place.
void SetAttribute(IXMLDOMElement* element, LPCWSTR name, LPCWSTR value);

// Walking a tree. Null where there is none (no raise).
ComPtr<IXMLDOMNode> FirstChild(IXMLDOMNode* node);
ComPtr<IXMLDOMNode> NextSibling(IXMLDOMNode* node);
ComPtr<IXMLDOMNode> ParentNode(IXMLDOMNode* node);
DOMNodeType NodeType(IXMLDOMNode* node);
CString NodeName(IXMLDOMNode* node);
// The node's value as text (attributes, texts, comments, instructions); empty when it
// has none.
CString NodeValue(IXMLDOMNode* node);
// The element interface of a node; null when it is no element.
ComPtr<IXMLDOMElement> AsElement(IXMLDOMNode* node);

} // namespace XmlDom
} // namespace Vexel
