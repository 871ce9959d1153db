// Entering the server in the registry and taking it out again: the type library (registered
// from the module's own file) and the class entries of Class1 under HKEY_CLASSES_ROOT.
#pragma once

#include <windows.h>

namespace kestrane::server::com {

class ComServer;

// S_OK, or E_FAIL when any step fails.
HRESULT RegisterServer(const ComServer& server);
HRESULT UnregisterServer(const ComServer& server);

}  // namespace kestrane::server::com
