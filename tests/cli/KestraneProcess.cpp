#include "KestraneProcess.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
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

// Redirects standard output and error to files, which unlike pipes cannot fill up and block,
// and standard input to a file or to the read end of a pipe.
class Redirections {
 public:
  Redirections(const TempDir& dir, const std::string& input, std::optional<int> inputPipe) {
    posix_spawn_file_actions_init(&actions_);
    if (inputPipe) {
      posix_spawn_file_actions_adddup2(&actions_, *inputPipe, 0);
    } else {
      Add(0, dir.Write("stdin", input), O_RDONLY);
    }
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

// A pipe whose ends close with it; both are closed in the tool, which gets the read end as
// standard input only.
class Pipe {
 public:
  Pipe() {
    if (pipe2(ends_, O_CLOEXEC) != 0) throw std::runtime_error("cannot make a pipe");
  }
  ~Pipe() {
    CloseReadEnd();
    CloseWriteEnd();
  }
  Pipe(const Pipe&) = delete;
  Pipe& operator=(const Pipe&) = delete;

  int readEnd() const { return ends_[0]; }
  void CloseReadEnd() { Close(ends_[0]); }
  void CloseWriteEnd() { Close(ends_[1]); }

  // Writes the bytes in pieces of the given size, then closes the write end. A tool that
  // stops reading early ends the feeding, not the test.
  void Feed(std::string_view bytes, std::size_t piece) {
    std::signal(SIGPIPE, SIG_IGN);
    while (!bytes.empty()) {
      const auto count = write(ends_[1], bytes.data(), std::min(piece, bytes.size()));
      if (count < 0 && errno == EPIPE) break;
      if (count <= 0) throw std::runtime_error("cannot write to kestrane");
      bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    CloseWriteEnd();
  }

 private:
  static void Close(int& fd) {
    if (fd >= 0) close(fd);
    fd = -1;
  }
  int ends_[2] = {-1, -1};
};

}  // namespace

ToolResult RunKestrane(const ToolRun& run) {
  TempDir streams;
  std::optional<Pipe> input;
  if (run.pipePiece) input.emplace();
  Redirections redirections(streams, run.input,
                            input ? std::optional<int>(input->readEnd()) : std::nullopt);
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
  if (input) {
    input->CloseReadEnd();
    input->Feed(run.input, *run.pipePiece);
  }
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) throw std::runtime_error("cannot wait for kestrane");
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(streams / "stdout"),
          ReadBytes(streams / "stderr")};
}

}  // namespace kestrane::test
