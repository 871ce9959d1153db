#include "server/MethodBoundary.h"

#include <exception>
#include <new>
#include <string>

#include "platform/CodePage.h"
#include "platform/Platform.h"
#include "server/AutomationError.h"

namespace kestrane::server {
namespace {

// Messages of the core and the platform are bytes in the ANSI code page (they quote paths
// and file lines).
void RecordMessage(const char* message) noexcept {
  try {
    SetErrorDescription(platform::ToUtf16(platform::Current().AnsiCodePage(), message));
  } catch (...) {
    // The failing HRESULT still reaches the caller; only its description is lost.
    SetErrorDescription(u"");
  }
}

}  // namespace

HRESULT ReportCurrentException() noexcept {
  try {
    throw;
  } catch (const AutomationError& error) {
    RecordMessage(error.what());
    return error.result();
  } catch (const std::bad_alloc&) {
    SetErrorDescription(u"Out of memory");
    return E_OUTOFMEMORY;
  } catch (const std::exception& error) {
    RecordMessage(error.what());
    return E_FAIL;
  } catch (...) {
    SetErrorDescription(u"Unexpected error of an unknown kind");
    return E_UNEXPECTED;
  }
}

}  // namespace kestrane::server
