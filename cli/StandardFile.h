// A C stream that is either a file the tool opened (and closes) or a standard stream.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace kestrane::cli {

struct StreamCloser {
  bool owned;
  void operator()(std::FILE* stream) const {
    if (owned) std::fclose(stream);
  }
};

using StreamHandle = std::unique_ptr<std::FILE, StreamCloser>;

// Opens the file in the binary mode given, or uses the standard stream for "-".
StreamHandle OpenStream(const std::string& name, const char* mode, std::FILE* standardStream);

// "cannot <action> <name>: <the system's reason>"
std::string StreamFailure(const char* action, const std::string& name);

}  // namespace kestrane::cli
