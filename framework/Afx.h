#pragma once
// Everything of the framework in one include.
#include "framework/Object.h"
#include "framework/ResourceModule.h"
#include "framework/String.h"
#include "framework/Geometry.h"
