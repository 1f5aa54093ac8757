#pragma once
// HistoryItem: the record behind one row of the history list. The row owns it; the image is
// the page's, shared by every row of the same call type.
#include "framework/String.h"

#include <windows.h>

#include <string>

struct HistoryItem {
    std::string key;          // the history text as table History stores it: the row's key
    CString number;           // the peer's number or address: first line, call back, add contact
    CString history;          // the history text: second line
    HBITMAP icon = nullptr;   // the call type's image, or null; not owned
};
