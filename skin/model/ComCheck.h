#pragma once
// The skin model's rule for failed COM and VARIANT calls: raise the HRESULT as
// a _com_error. Nothing in the model catches it.
#include "framework/ComSupport.h"

namespace Vexel {

inline void CheckHr(HRESULT hr)
{
    if (FAILED(hr))
        _com_issue_error(hr);
}

} // namespace Vexel
