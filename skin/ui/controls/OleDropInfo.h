#pragma once
// COleDropInfo: one drop-target callback as the window of a COleDropTargetEx receives it
// (lParam of the WM_DROPTARGET_* messages). It lives on the stack for one SendMessage only:
// a receiver copies what it needs and keeps no pointer to it. It owns nothing.
#include "framework/Geometry.h"
#include "framework/Object.h"
#include "framework/OleDataObject.h"

namespace Vexel {

class COleDropInfo : public CObject {
public:
    COleDropInfo() = default;
    COleDropInfo(COleDataObject* dataObject, DWORD keyState, DROPEFFECT dropEffect, DROPEFFECT dropList, CPoint point)
        : m_dataObject(dataObject), m_keyState(keyState), m_dropEffect(dropEffect), m_dropList(dropList), m_point(point)
    {
    }
    ~COleDropInfo() override { m_dataObject = nullptr; }
    COleDropInfo(const COleDropInfo&) = delete;
    COleDropInfo& operator=(const COleDropInfo&) = delete;

    COleDataObject* m_dataObject = nullptr;   // the dragged data (enter, over, drop, drop-ex)
    DWORD m_keyState = 0;                     // MK_* keys and buttons (enter, over)
    DROPEFFECT m_dropEffect = 0;              // the chosen effect (drop), the default one (drop-ex)
    DROPEFFECT m_dropList = 0;                // the effects the source allows (drop-ex)
    CPoint m_point;                           // the cursor, client coordinates of the window
};

} // namespace Vexel
