#pragma once
// C++ exceptions never cross a window procedure, a hook or a thread start: each such
// boundary catches everything and reports it here instead.

// Reports the exception being handled (call from inside a catch block); `where` names the
// boundary, e.g. "window procedure". Writes to the debugger output and standard error.
void AfxReportCallbackException(const char* where) noexcept;
