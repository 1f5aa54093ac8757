#pragma once
// The skin file writer: the loaded skin (windows with their controls, fonts, colours and
// the 24 style groups) becomes one XML document, built through the DOM component in the
// shape SkinXmlFormat.h fixes, indented, and saved with our own serializer so that the
// bytes are the same on every platform.
//
// Every failed DOM call raises a _com_error (the skin model's rule); nothing here
// catches it, and nothing has been written to disk when it happens.
#include "framework/ComPtr.h"
#include "skin/model/CtrlProperties.h"
#include "skin/model/SkinStore.h"
#include "skin/model/Utf8File.h"

#include <windows.h>
#include <msxml2.h>

namespace Vexel {

// Writes the skin held by g_skinStore to its uiFilePath, then Resource.h beside it.
// The DPI written is the screen's, which also becomes DesignDpi, except while
// ConvertingSkin is set: then the DPI the converted skin brought is kept and written.
// 0 when the skin file was written. -1 when the temporary file (uiFilePath + "~") could
// not be written and -2 when it could not be moved over uiFilePath: the file there is
// left as it was, the temporary file is removed and Resource.h is not touched.
// With `readsBack`, the written file replaces uiFilePath only when it passes that check
// (read under its temporary name); -3 when it does not, with the same clean-up.
int SaveUIFile(FinishedFileCheck readsBack = nullptr);

// The whole document of a skin, indented, with the given design DPI.
ComPtr<IXMLDOMDocument> BuildSkinDocument(const SkinStore& store, int dpiX, int dpiY);

// Saves a built document to `path` + "~" and moves it over `path` with exactly one
// byte-order mark, once `readsBack` (when given) has passed it. 0, or -1 / -2 / -3 as
// SaveUIFile; a failure leaves `path` untouched and no temporary file behind.
int SaveSkinDocument(IXMLDOMDocument* document, LPCWSTR path, FinishedFileCheck readsBack = nullptr);

// --- The steps, each on the document being built ------------------------------------

// Declaration, header comments and the root with Configuration, Version and DPI.
ComPtr<IXMLDOMElement> WriteFileHeader(IXMLDOMDocument* document, int dpiX, int dpiY);

// Writes every variable of `record` that produces output into property elements of
// `element` (SkinXml::IsWrittenVariable), in variable order. Returns 0.
int WriteProperties(const CTRLPROPERTIES& record, IXMLDOMDocument* document, IXMLDOMElement* element);

// One variable: its value goes into attributes of the child of `parent` named by its XML
// element (the first such child, or a new one), which is then appended to `parent`, so
// that variables sharing an element fill one element. Returns 0.
int WritePropertyValue(IXMLDOMDocument* document, IXMLDOMElement* parent, const PropertyValue& var);

// The first child of `node` whose name equals `name` exactly; null when none has it.
ComPtr<IXMLDOMNode> FindChildElement(IXMLDOMNode* node, LPCWSTR name);

// Indentation: CR LF and one TAB per level before every element below the root and
// before the end tag of every element with children. First called with the root and
// depth 1.
void IndentTree(IXMLDOMDocument* document, IXMLDOMNode* node, int depth);
// With `before`: CR LF and `level` TABs inserted before it; without: CR LF and
// `level` - 1 TABs (none for level 1 or less) appended to `parent`.
void InsertIndentText(int level, IXMLDOMDocument* document, IXMLDOMNode* parent, IXMLDOMNode* before);

} // namespace Vexel
