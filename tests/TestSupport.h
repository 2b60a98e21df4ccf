// Helpers shared by the test programs: temporary files and running the real
// binary.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "english/EnglishSentence.h"

namespace vestrilo::test {

// A fresh empty directory under the system's temporary directory, removed with
// its contents when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

void writeFile(const std::string& path, const std::string& bytes);
std::string readFile(const std::string& path);
bool fileExists(const std::string& path);
// The names in a directory, sorted.
std::vector<std::string> listDirectory(const std::string& path);

struct RunResult {
  int status = -1;  // exit status as the shell sees it (0..255), or -1 if not exited
  std::string out;  // standard output
  std::string err;  // standard error
};

// Runs program with args (argv[0] is the program itself), standard input empty.
RunResult runProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::vector<std::string>& env = {});

// How runProgramWith runs a program: variables added to its environment, the
// file its standard input reads, the directory it starts in (empty: this
// one), a function the child calls before the program starts (limits, signal
// dispositions: calls safe after fork only), and whether its standard error
// is a pseudo-terminal (what came through it is the result's `err`).
// `status` is -1 for a child ended by a signal.
struct RunSetup {
  std::vector<std::string> env;
  std::string input = "/dev/null";
  std::string directory;
  void (*child)() = nullptr;
  bool terminal = false;
  // Called with the child's process id while it runs (before it is waited for).
  std::function<void(int)> whileRunning;
};
RunResult runProgramWith(const std::string& program, const std::vector<std::string>& args, const RunSetup& setup);

// Runs `body` in a child process after `setup`; its exit status, or -1 when
// it did not exit.
int runInChild(void (*setup)(), int (*body)(void*), void* context);

// Runs the vestrilo binary built with the tests.
RunResult runVestrilo(const std::vector<std::string>& args, const std::vector<std::string>& env = {});

// A Python 3 that can import `module` (Debian's /usr/bin/python3 first, then
// python3 on the PATH), as the program and first arguments of a command; empty
// when there is none.
std::vector<std::string> pythonWith(const std::string& module);

// Runs a Python 3 script with arguments through `python` (from pythonWith).
RunResult runPython(const std::vector<std::string>& python, const std::string& script,
                    const std::vector<std::string>& args);

// The name of an English record kind in the tests' dumps of records: the
// public kind's name, or the enumerator's name of a kind that is no entity.
std::string_view kindLabel(EnglishEntityKind kind);

}  // namespace vestrilo::test
