// The module's entry point and the four exports of an in-process server.
#include <windows.h>

#include <olectl.h>

#include <memory>

#include "core/Tables.h"
#include "server/com/ComServer.h"
#include "server/com/Registration.h"

namespace {

// Lives from module load to module unload. Loading touches nothing of the conversion core: the
// tables load on first use.
std::unique_ptr<kestrane::server::com::ComServer> server;

BOOL Attach(HINSTANCE module) {
  ::DisableThreadLibraryCalls(module);
  server = kestrane::server::com::ComServer::Load(module);
  return server != nullptr ? TRUE : FALSE;
}

// On FreeLibrary: factory and type library first, then the tables. At process exit (reserved
// not null) other threads are gone, possibly holding the tables' lock, and the system reclaims
// everything anyway, so nothing is released then.
void Detach(void* reserved) {
  if (reserved != nullptr) {
    static_cast<void>(server.release());
    return;
  }
  server.reset();
  kestrane::core::ReleaseTables();
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, void* reserved) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      return Attach(module);
    case DLL_PROCESS_DETACH:
      Detach(reserved);
      return TRUE;
    default:
      return TRUE;
  }
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  return server->GetClassObject(clsid, iid, object);
}

STDAPI DllCanUnloadNow() {
  return server->CanUnload() ? S_OK : S_FALSE;
}

STDAPI DllRegisterServer() {
  return kestrane::server::com::RegisterServer(*server);
}

STDAPI DllUnregisterServer() {
  return kestrane::server::com::UnregisterServer(*server);
}
