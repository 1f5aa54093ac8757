#pragma once
// The stand-in's object model: the application object the class factory makes, and the
// read counts of item properties.
#include "DispatchObject.h"

namespace standin {

// A new application object holding its creator's one reference.
DispatchObject* NewApplication();

int ReadCount(const wchar_t* property);
void ResetReadCounts();

} // namespace standin
