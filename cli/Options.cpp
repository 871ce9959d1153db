#include "cli/Options.h"

#include <string_view>

#include "cli/UsageError.h"

namespace kestrane::cli {
namespace {

// Walks the arguments, handing out option values that may be attached or follow.
class ArgumentCursor {
 public:
  explicit ArgumentCursor(std::span<char* const> args) : args_(args) {}

  bool AtEnd() const { return next_ == args_.size(); }
  std::string_view Take() { return args_[next_++]; }

  // The value of the option `name` when arg is that option: attached to it ("--name=VALUE"
  // for a long option, "-nVALUE" for a short one) or given as the next argument.
  std::optional<std::string> ValueOf(std::string_view arg, std::string_view name) {
    if (arg == name) {
      if (AtEnd()) throw UsageError("option '" + std::string(name) + "' needs a value");
      return std::string(Take());
    }
    std::string attached(name);
    if (name.starts_with("--")) attached += '=';
    if (arg.starts_with(attached)) return std::string(arg.substr(attached.size()));
    return std::nullopt;
  }

 private:
  std::span<char* const> args_;
  std::size_t next_ = 0;
};

bool IsOption(std::string_view arg) {
  return arg.size() > 1 && arg.front() == '-';
}

// Applies one option; returns false when arg is none the tool knows.
bool ApplyOption(std::string_view arg, ArgumentCursor& cursor, Options& options) {
  if (arg == "-h" || arg == "--help") {
    options.help = true;
  } else if (arg == "--version") {
    options.version = true;
  } else if (arg == "--utf8") {
    options.utf8 = true;
  } else if (auto dir = cursor.ValueOf(arg, "--client-dir")) {
    options.clientDir = std::move(dir);
  } else if (auto file = cursor.ValueOf(arg, "-o")) {
    options.outputFile = std::move(file);
  } else if (auto longFile = cursor.ValueOf(arg, "--output")) {
    options.outputFile = std::move(longFile);
  } else {
    return false;
  }
  return true;
}

}  // namespace

Options ParseOptions(std::span<char* const> args) {
  Options options;
  std::vector<std::string> operands;
  ArgumentCursor cursor(args);
  bool optionsEnded = false;
  while (!cursor.AtEnd()) {
    std::string_view arg = cursor.Take();
    if (optionsEnded || !IsOption(arg)) {
      operands.emplace_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (!ApplyOption(arg, cursor, options)) {
      throw UsageError("unknown option '" + std::string(arg) + "'");
    }
  }
  if (operands.empty()) {
    if (options.help || options.version) return options;
    throw UsageError("missing command");
  }
  options.command = operands.front();
  options.arguments.assign(operands.begin() + 1, operands.end());
  return options;
}

}  // namespace kestrane::cli
