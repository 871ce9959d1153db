// Files and the standard streams read and written in large blocks straight through the
// operating system, with no buffering of the C library in between.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace kestrane::platform {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Reads at most size bytes, as many as one request gives (a pipe may give fewer), and
  // returns how many; 0 only at the end. Throws IoError when reading fails.
  virtual std::size_t Read(char* buffer, std::size_t size) = 0;
  // The bytes left to read, when the source is a file that can tell; nullopt otherwise (a pipe,
  // a terminal).
  virtual std::optional<std::uint64_t> RemainingSize() const = 0;
};

class ByteSink {
 public:
  virtual ~ByteSink() = default;
  // Writes all the bytes; throws IoError when writing fails.
  virtual void Write(std::string_view bytes) = 0;
  // Asks the file system to set aside room for size more bytes, so that the writes to come
  // find it allocated in one piece instead of page by page. Only a hint: a sink that is no
  // file, or a file system that cannot, goes on without it.
  virtual void Reserve(std::uint64_t size) = 0;
  // Ends the writing; throws IoError for a failure the system reports only now.
  virtual void Close() = 0;
};

// Messages name a file by its name and the standard streams as "standard input" and
// "standard output". Opening throws IoError ("cannot open NAME: reason").
std::unique_ptr<ByteSource> OpenByteSource(const std::string& file);
std::unique_ptr<ByteSource> StandardInputSource();
// Creates the file or empties an existing one.
std::unique_ptr<ByteSink> CreateByteSink(const std::string& file);
std::unique_ptr<ByteSink> StandardOutputSink();

}  // namespace kestrane::platform
