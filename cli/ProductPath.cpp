#include "cli/ProductPath.h"

#include <stdexcept>

#include "platform/CodePage.h"

namespace kestrane::cli {

std::string ToProductPath(const std::filesystem::path& file, unsigned ansiCodePage) {
  const std::u16string name = file.u16string();
  std::string bytes = platform::FromUtf16(ansiCodePage, name);
  // The narrowing puts "?" for what the code page lacks, which would name another file.
  if (platform::ToUtf16(ansiCodePage, bytes) != name) {
    throw std::runtime_error("the path '" + file.string() + "' has characters that code page " +
                             std::to_string(ansiCodePage) + " cannot hold");
  }
  return bytes;
}

}  // namespace kestrane::cli
