#pragma once
// The site a CHtmlView gives its browser: client site, in-place site and frame, and the
// document host's UI handler, which asks the view (OnGetHostInfo, OnShowContextMenu).
#include "framework/ComPtr.h"

#include <windows.h>
#include <ole2.h>

class CHtmlView;

// A new site for `view`; null when it cannot be made.
ComPtr<IOleClientSite> AfxMakeHtmlHostSite(CHtmlView* view);
// Cuts the site off from its view (the view is going): it answers as a bare host after.
void AfxForgetHtmlHostView(IOleClientSite* site);
