#pragma once
// Modal prompts. Every message box the framework shows goes through one replaceable
// seam, AfxPrompt, which by default is the system's MessageBoxW. A test installs its own
// handler with AfxSetPromptHandler to script the answer (IDOK, IDYES ...) and to see
// what would have been shown; nothing then waits for a person.
//
// The caption of AfxMessageBox is the application title (AfxGetAppTitle). Its owner
// window comes from the owner source that the application installs
// (AfxSetPromptOwnerSource), by default the thread's active window.
#include "framework/String.h"

#include <windows.h>

// Shows (or answers) one prompt; returns the button id chosen.
using AfxPromptHandler = int (*)(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);
// Installs `handler` (null: the system message box again); answers the previous one.
AfxPromptHandler AfxSetPromptHandler(AfxPromptHandler handler);
// The seam itself.
int AfxPrompt(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);

// The window that owns framework prompts.
using AfxPromptOwnerSource = HWND (*)();
// Null restores the default (GetActiveWindow); answers the previous source.
AfxPromptOwnerSource AfxSetPromptOwnerSource(AfxPromptOwnerSource source);
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
