// The host configuration reader on an arbitrary "VeltrimC.ini", with a client path, profile
// type, logon name and ANSI code page from the input: a complete record holds servers and work
// directories that end in a backslash. The only failure is an IoError for an ini file that
// opens but cannot be read (a folder: a path that holds a zero byte ends there, as in the
// Windows file calls).
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzCheck.h"
#include "FuzzClientFolder.h"
#include "hostconfig/VeltrimIni.h"
#include "platform/Platform.h"

namespace kestrane::fuzz {
namespace {

// A lone lead byte at the end of a path takes the appended backslash as its trail byte, as
// the code page reads it; so only the last byte is sure to be a backslash.
bool EndsInBackslash(const std::string& path) {
  return path.ends_with('\\');
}

void CheckRecord(const hostconfig::TVeltrimIniC& config) {
  Require(EndsInBackslash(config.ClientPath), "the client path ends in a backslash");
  if (!config.ErrorCode.empty()) return;
  Require(!config.Servers.empty(), "a complete record has a server");
  Require(std::all_of(config.Servers.begin(), config.Servers.end(),
                      [&](const auto& server) { return server.port == config.Servers[0].port; }),
          "every server has the same port");
  Require(!config.WorkDLLPaths.empty(), "a complete record has a work directory");
  Require(std::all_of(config.WorkDLLPaths.begin(), config.WorkDLLPaths.end(), EndsInBackslash),
          "every work directory ends in a backslash");
}

}  // namespace
}  // namespace kestrane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kestrane;
  static fuzz::FuzzClientFolder folder;
  FuzzedDataProvider input(data, size);
  const unsigned codePage = input.PickValueInArray({936u, 950u, 1252u});
  ::setenv("KESTRANE_ACP", std::to_string(codePage).c_str(), 1);
  // Mostly the folder itself, so that the ini file below is the one read.
  const auto pathTail = input.ConsumeRandomLengthString(16);
  const auto profileType = input.ConsumeRandomLengthString(4);
  folder.SetLogonName(input.ConsumeRandomLengthString(16));
  folder.SetHostKey(folder.path().string() + pathTail, profileType);
  folder.Write("VeltrimC.ini", input.ConsumeRemainingBytesAsString());

  try {
    const hostconfig::TVeltrimIniC config;
    fuzz::CheckRecord(config);
  } catch (const platform::IoError& error) {
    fuzz::Require(std::string(error.what()).starts_with("cannot read "), "only a read fails");
  }
  return 0;
}
