// The edge of an automation method: no exception crosses it. A raised error becomes a failing
// HRESULT, and its message the error information of the calling thread.
#pragma once

#include "server/Variant.h"

namespace kestrane::server {

// Turns the exception being handled into its HRESULT and records its message. Call it only
// inside a catch block.
HRESULT ReportCurrentException() noexcept;

template <typename Body>
HRESULT AtMethodBoundary(Body&& body) noexcept {
  try {
    body();
    return S_OK;
  } catch (...) {
    return ReportCurrentException();
  }
}

}  // namespace kestrane::server
