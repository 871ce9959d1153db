// Texts and exceptions for failed Win32 calls.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace kestrane::platform::win32 {

// The system's message for an error code, without its line end.
std::string SystemMessage(DWORD error);

// "cannot <action> <path>: <system message>".
IoError FileError(std::string_view action, std::string_view path, DWORD error);

}  // namespace kestrane::platform::win32
