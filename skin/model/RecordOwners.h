#pragma once
// Owning pointers of the skin's records. A window record lists its controls without
// owning them, so whoever owns the window deletes its controls first.
#include "skin/model/CtrlProperties.h"
#include "skin/model/ResourceProperties.h"
#include "skin/model/UiWndProperties.h"

#include <memory>

namespace Vexel {

struct WindowRecordDeleter {
    void operator()(UIWNDPROPERTIES* window) const noexcept
    {
        for (CTRLPROPERTIES* control : window->Controls())
            delete control;
        window->Controls().clear();
        delete window;
    }
};

using WindowRecordPtr = std::unique_ptr<UIWNDPROPERTIES, WindowRecordDeleter>;
using FontRecordPtr = std::unique_ptr<RESFONTPROPERTIES>;
using ColorRecordPtr = std::unique_ptr<RESCOLORPROPERTIES>;
using RecordPtr = std::unique_ptr<CTRLPROPERTIES>;

} // namespace Vexel
