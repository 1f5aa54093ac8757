#pragma once
// Everything of the framework in one include.
#include "framework/Object.h"
#include "framework/ResourceModule.h"
#include "framework/String.h"
#include "framework/Geometry.h"
#include "framework/File.h"
#include "framework/Gdi.h"
#include "framework/Prompt.h"
#include "framework/ComSupport.h"
#include "framework/ComPtr.h"
