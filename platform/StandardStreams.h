// Standard input and output as byte streams.
#pragma once

namespace kestrane::platform {

// Makes stdin and stdout carry bytes unchanged (no line-end translation); call before either
// is used.
void UseBinaryStandardStreams();

}  // namespace kestrane::platform
