#include "platform/StandardStreams.h"

namespace kestrane::platform {

// POSIX streams never translate line ends.
void UseBinaryStandardStreams() {}

}  // namespace kestrane::platform
