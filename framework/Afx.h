#pragma once
// Everything of the framework in one include, except the parts that bring large system
// headers of their own: include framework/Internet.h, HtmlView.h and FolderBrowser.h
// where they are used.
#include "framework/Object.h"
#include "framework/ResourceModule.h"
#include "framework/String.h"
#include "framework/Geometry.h"
#include "framework/File.h"
#include "framework/Gdi.h"
#include "framework/Prompt.h"
#include "framework/ComSupport.h"
#include "framework/ComPtr.h"
#include "framework/GlobalMemory.h"
#include "framework/OleDataObject.h"
#include "framework/OleDataSource.h"
#include "framework/OleDropTarget.h"
#include "framework/FileDialog.h"
#include "framework/CmdTarget.h"
#include "framework/Wnd.h"
#include "framework/WndDC.h"
#include "framework/WinThread.h"
#include "framework/WinApp.h"
