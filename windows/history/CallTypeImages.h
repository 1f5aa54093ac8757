#pragma once
// The images of the four call types, loaded once for the history page from the skin folder
// and shared by all its rows (one set of handles however many rows there are).
#include "framework/Gdi.h"
#include "skin/ui/SharedBitmap.h"

// The image file of a call type: 1 "Calllog1.bmp", 2 "Calllog2.bmp", 3 (an unanswered
// incoming call) "Calllog4.bmp", 4 (an unanswered outgoing call) "Calllog3.bmp"; any other
// type shows as 1.
LPCWSTR CallTypeImageFile(int callType);

class CallTypeImages {
public:
    // Loads the four files from `folder` (with a trailing backslash), replacing what was
    // held; a file that does not load leaves its call types without an image.
    void Load(const CString& folder);
    // The image of `callType` (as CallTypeImageFile maps it), null when its file did not
    // load; only to draw from: this object holds it (a shared skin image).
    HBITMAP For(int callType) const;

private:
    static constexpr int kImages = 4;
    Vexel::SharedBitmap m_images[kImages];   // held; Calllog1 .. Calllog4
};
