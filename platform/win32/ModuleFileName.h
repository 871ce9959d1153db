// The full file name of a loaded module.
#pragma once

#include <windows.h>

#include <string>

namespace kestrane::platform::win32 {

// Of the module's file (the running program's for null); empty when the system cannot tell.
std::wstring ModuleFileName(HMODULE module);

}  // namespace kestrane::platform::win32
