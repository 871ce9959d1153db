#include "KestraneProcess.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <stdexcept>

#include "support/TempDir.h"

extern char** environ;

namespace kestrane::test {
namespace {

std::vector<std::string> Environment(const ToolRun& run) {
  std::map<std::string, std::optional<std::string>> changes = {{"KESTRANE_REGISTRY", std::nullopt},
                                                               {"KESTRANE_ACP", std::nullopt}};
  for (const auto& [name, value] : run.environment) changes[name] = value;
  std::vector<std::string> entries;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    std::string text = *entry;
    if (!changes.contains(text.substr(0, text.find('=')))) entries.push_back(text);
  }
  for (const auto& [name, value] : changes) {
    if (value) entries.push_back(name + "=" + *value);
  }
  return entries;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (auto& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

// Redirects the standard streams to files, which unlike pipes cannot fill up and block.
class Redirections {
 public:
  Redirections(const TempDir& dir, const std::string& input) {
    posix_spawn_file_actions_init(&actions_);
    Add(0, dir.Write("stdin", input), O_RDONLY);
    Add(1, dir / "stdout", O_WRONLY | O_CREAT | O_TRUNC);
    Add(2, dir / "stderr", O_WRONLY | O_CREAT | O_TRUNC);
  }
  ~Redirections() { posix_spawn_file_actions_destroy(&actions_); }
  Redirections(const Redirections&) = delete;
  Redirections& operator=(const Redirections&) = delete;

  const posix_spawn_file_actions_t* get() const { return &actions_; }

 private:
  void Add(int fd, const std::filesystem::path& file, int flags) {
    paths_.push_back(file.string());
    posix_spawn_file_actions_addopen(&actions_, fd, paths_.back().c_str(), flags, 0600);
  }

  posix_spawn_file_actions_t actions_;
  std::vector<std::string> paths_;  // addopen keeps the pointers, not copies
};

}  // namespace

ToolResult RunKestrane(const ToolRun& run) {
  TempDir streams;
  Redirections redirections(streams, run.input);
  std::vector<std::string> argv = {KESTRANE_TOOL};
  argv.insert(argv.end(), run.args.begin(), run.args.end());
  std::vector<std::string> env = Environment(run);
  auto argvPointers = Pointers(argv);
  auto envPointers = Pointers(env);
  pid_t pid = 0;
  if (posix_spawn(&pid, KESTRANE_TOOL, redirections.get(), nullptr, argvPointers.data(),
                  envPointers.data()) != 0) {
    throw std::runtime_error("cannot start " KESTRANE_TOOL);
  }
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) throw std::runtime_error("cannot wait for kestrane");
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(streams / "stdout"),
          ReadBytes(streams / "stderr")};
}

}  // namespace kestrane::test
