#include "platform/win32/ModuleFileName.h"

namespace kestrane::platform::win32 {

std::wstring ModuleFileName(HMODULE module) {
  std::wstring name(MAX_PATH, L'\0');
  while (true) {
    DWORD size = ::GetModuleFileNameW(module, name.data(), static_cast<DWORD>(name.size()));
    if (size == 0) return {};
    // A full buffer may hold a truncated name: try again with a larger one.
    if (size < name.size()) {
      name.resize(size);
      return name;
    }
    name.resize(name.size() * 2);
  }
}

}  // namespace kestrane::platform::win32
