// The OLE Automation value types, for the variant operations on Windows.
#pragma once

#include <windows.h>

#include <oleauto.h>
