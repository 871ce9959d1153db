#include "cli/OutputFile.h"

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

}  // namespace kestrane::cli
