#include "cli/OutputFile.h"

#include <filesystem>
#include <system_error>

#include "cli/UsageError.h"

namespace kestrane::cli {

OutputFile::OutputFile(const std::optional<std::string>& file)
    : sink_(file && *file != "-" ? platform::CreateByteSink(*file)
                                 : platform::StandardOutputSink()) {}

void OutputFile::Write(std::string_view bytes) {
  sink_->Write(bytes);
}

void OutputFile::Finish() {
  sink_->Close();
}

void RefuseOutputAmongInputs(const std::optional<std::string>& file,
                             const std::vector<std::string>& inputs) {
  if (!file || *file == "-") return;
  for (const auto& input : inputs) {
    std::error_code missing;  // a file that does not exist is no other one
    if (input != "-" && std::filesystem::equivalent(input, *file, missing)) {
      throw UsageError("the output file '" + *file + "' is also an input ('" + input +
                       "'), which would be emptied before it is read");
    }
  }
}

}  // namespace kestrane::cli
