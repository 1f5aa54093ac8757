#pragma once
// Opening the skin: the XML skin file is parsed with the DOM component, its version is
// checked against the program's, and every window (with its controls), font, colour and
// style record goes into the skin store. A skin in the older line-based format (".ui")
// is imported instead and saved once as an XML skin file beside it.
//
// The result of opening is one code (SkinOpenResult); start-up treats every code but 0
// as fatal. A file that raises a COM, DOM or conversion error while it is read (a number
// that is no number, a DPI or font element lacking attributes) gives
// kSkinFileNotParsed and leaves no record in the store.
#include "framework/ComPtr.h"
#include "framework/String.h"
#include "skin/model/RecordOwners.h"

#include <vector>

#include <windows.h>
#include <msxml2.h>

namespace Vexel {

enum SkinOpenResult : int {
    kSkinOpened = 0,
    kSkinFileMissing = 200,         // uiFilePath is emptied
    kSkinVersionTooOld = 203,       // a loaded version below the program's
    kSkinVersionRefused = 204,      // a version this program does not read
    kSkinOleFailed = 210,           // OLE could not be initialised on the thread
    kSkinFileNotParsed = 211,       // no root element, or the file raised while read
    kSkinConversionDeclined = 212,  // an older XML skin whose conversion the user declined
    kSkinNoWindows = 213,           // the root has no Windows element
    kSkinNoVersion = -1,            // no Version element; or a declined ".ui" conversion
    kSkinLegacyNotWritable = -3,    // the ".xui" of an imported ".ui" skin cannot be written
};

// Opens the skin at `path` (absolute when it holds a ":", else relative to the
// program's folder) into the skin store. `flag` is not used.
int OpenSkin(LPCWSTR path, int flag);

// Loads the file at the store's uiFilePath into the store (appending to its lists).
int LoadUIFile();

// The folder of the UI file with a trailing backslash (also kept in the store).
CString GetSkinFolder();
CString GetUIFilePath();
CString GetResourceHeaderPath();

// Asks whether the skin at uiFilePath may be converted: 0 Yes, -1 No.
int ConfirmSkinConversion();

// Imports the legacy skin at uiFilePath, hands its records to the store and saves it as
// an ".xui" file of the same folder and title, which uiFilePath then names. 0; -1 when
// the user declines; kSkinLegacyNotWritable when the ".xui" cannot be written (an empty
// one this made is removed again, an existing one is left as it was).
int ConvertLegacySkin();

// --- Section readers (the root is the document element) -----------------------------
// Configuration's OpenProgram into `openProgram` (empty when absent). -1 without the
// element, else 0.
int ReadConfiguration(IXMLDOMElement* root, CString& openProgram);
// Version's Version and Build attributes, each stored only when present. -1 without
// the element, else 0. Raises for a present attribute that is no number.
int ReadVersion(IXMLDOMElement* root, int& version, int& build);
// DPI's LogPixelsX and LogPixelsY, both required. -1 without the element, else 0.
int ReadDpi(IXMLDOMElement* root, int& x, int& y);
// Each returns 0, or -1 for a null element, record or list.
int ReadWindows(IXMLDOMElement* windowsElement, std::vector<WindowRecordPtr>* windows);
int ReadWindow(IXMLDOMElement* element, UIWNDPROPERTIES* window);
int ReadControls(IXMLDOMElement* controlsElement, UIWNDPROPERTIES* window);
int ReadControl(IXMLDOMElement* element, UIWNDPROPERTIES* window);
int ReadResources(IXMLDOMElement* resourcesElement, std::vector<FontRecordPtr>* fonts,
                  std::vector<ColorRecordPtr>* colors);
// Every style group under Styles into the store's style lists. 0; -1 for a null element.
int ReadStyles(IXMLDOMElement* stylesElement);

} // namespace Vexel
