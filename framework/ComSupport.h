#pragma once
// The compiler's COM support classes (_bstr_t, _variant_t, _com_error, _com_ptr_t) with
// the run-time pieces they call that the toolchain does not ship (ComSupport.cpp): the
// ANSI <-> BSTR conversions behind _bstr_t, _com_issue_errorex and vtMissing.
// A failed COM call raised through _com_issue_error arrives as a _com_error carrying
// its HRESULT (Error()).
#include <windows.h>

#include <comdef.h>
