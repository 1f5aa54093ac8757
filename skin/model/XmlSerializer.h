#pragma once
// Turns a DOM document into the bytes of a file. The DOM component's own save differs
// between platforms (byte-order mark, quotes of the declaration, line ends), so files
// whose bytes matter are written by this serializer instead:
// - UTF-8 behind the byte-order mark EF BB BF;
// - every document-level node (declaration, comments, root) on a line of its own, each
//   line ended by CR LF; inside the root only the text nodes the document holds (the
//   caller indents the tree itself);
// - an element without children as an empty-element tag ("<a/>"), attributes in the
//   document's order with double quotes;
// - "&", "<", ">" and '"' escaped in attribute values, and TAB, LF and CR as character
//   references so that a reader gets them back; "&", "<", ">" escaped in texts, where
//   TABs stay as they are and every line end (CR LF, CR or LF) is written as CR LF.
//   Characters XML cannot carry at all (controls below 0x20, U+FFFE, U+FFFF) are left
//   out.
// A failing DOM call raises a _com_error.
#include <windows.h>
#include <msxml2.h>

#include <string>

namespace Vexel {

// The file's bytes for `document`, byte-order mark included.
std::string SerializeXmlDocument(IXMLDOMDocument* document);

// Writes SerializeXmlDocument to `path`, replacing what was there. False when the file
// cannot be written whole; no partial file stays behind then.
bool SaveXmlDocument(IXMLDOMDocument* document, LPCWSTR path);

} // namespace Vexel
