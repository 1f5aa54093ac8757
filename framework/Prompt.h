#pragma once
// Modal prompts. Every message box the framework shows goes through AfxPrompt, which asks
// the system table (framework/SystemAnswers.h): the system's MessageBoxW, unless a test's
// table scripts the answer (IDOK, IDYES ...) and sees what would have been shown; nothing
// then waits for a person.
//
// The caption of AfxMessageBox is the application title (AfxGetAppTitle). Its owner
// window is the table's prompt owner: the main window's active popup, else the thread's
// active window.
#include "framework/String.h"

#include <windows.h>

// Shows (or answers) one prompt; returns the button id chosen. Null texts are shown empty.
int AfxPrompt(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);

// The window that owns framework prompts.
HWND AfxGetPromptOwner();

// The string resource that holds the application title.
constexpr UINT AFX_IDS_APP_TITLE = 57344;

// The application title: what AfxSetAppTitle stored, else string AFX_IDS_APP_TITLE of the
// resource module, else "Lumeo".
void AfxSetAppTitle(LPCWSTR title);   // null or empty: back to the default
CString AfxGetAppTitle();

// `type` is the MessageBox style, passed on unchanged. There is no help file, so the
// help id is not used.
int AfxMessageBox(LPCWSTR text, UINT type = MB_OK, UINT helpId = 0);
// Text from string `promptId` of the resource module (empty when there is none).
int AfxMessageBox(UINT promptId, UINT type = MB_OK, UINT helpId = static_cast<UINT>(-1));
