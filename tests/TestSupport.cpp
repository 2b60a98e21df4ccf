#include "tests/TestSupport.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "engine/Directions.h"

namespace vestrilo::test {

std::string_view kindLabel(EnglishEntityKind kind) {
  if (const std::optional<EntityKind> k = entityKind(kind)) return kindName(*k);
  switch (kind) {
    case EnglishEntityKind::NoNeighbour: return "NoNeighbour";
    case EnglishEntityKind::Magnitude: return "Magnitude";
    default: return "Plain";
  }
}

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vestrilo-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream f(path, std::ios::binary);
  f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readFile(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

bool fileExists(const std::string& path) { return std::filesystem::exists(path); }

std::vector<std::string> listDirectory(const std::string& path) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

RunResult runProgramWith(const std::string& program, const std::vector<std::string>& args, const RunSetup& setup) {
  TempDir dir;
  const std::string outPath = dir.file("stdout"), errPath = dir.file("stderr");
  // The terminal's other side is opened here, so that it is open from before
  // the child starts until it ends.
  int terminal = -1, terminalSide = -1;
  if (setup.terminal) {
    terminal = posix_openpt(O_RDWR | O_NOCTTY);
    if (terminal < 0 || grantpt(terminal) != 0 || unlockpt(terminal) != 0) throw std::runtime_error("no pseudo-terminal");
    terminalSide = open(ptsname(terminal), O_RDWR | O_NOCTTY);
    if (terminalSide < 0) throw std::runtime_error("no pseudo-terminal");
  }
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    int in = open(setup.input.c_str(), O_RDONLY);
    int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    int err = setup.terminal ? terminalSide : open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (in < 0 || out < 0 || err < 0) _exit(126);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    if (terminal >= 0) close(terminal);
    if (!setup.directory.empty() && chdir(setup.directory.c_str()) != 0) _exit(126);
    for (const std::string& kv : setup.env) putenv(const_cast<char*>(kv.c_str()));
    if (setup.child) setup.child();
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  if (setup.whileRunning) setup.whileRunning(static_cast<int>(pid));
  RunResult r;
  if (terminal >= 0) {
    close(terminalSide);
    // Read until the child's side is closed (EIO).
    char buffer[4096];
    for (;;) {
      const ssize_t n = read(terminal, buffer, sizeof buffer);
      if (n <= 0) break;
      r.err.append(buffer, static_cast<std::size_t>(n));
    }
    close(terminal);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.out = readFile(outPath);
  if (!setup.terminal) r.err = readFile(errPath);
  return r;
}

RunResult runProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::vector<std::string>& env) {
  RunSetup setup;
  setup.env = env;
  return runProgramWith(program, args, setup);
}

int runInChild(void (*setup)(), int (*body)(void*), void* context) {
  std::fflush(nullptr);
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    if (setup) setup();
    _exit(body(context));
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

RunResult runVestrilo(const std::vector<std::string>& args, const std::vector<std::string>& env) {
  return runProgram(VESTRILO_BINARY, args, env);
}

RunResult runPython(const std::vector<std::string>& python, const std::string& script,
                    const std::vector<std::string>& args) {
  std::vector<std::string> all(python.begin() + 1, python.end());
  all.push_back("-c");
  all.push_back(script);
  all.insert(all.end(), args.begin(), args.end());
  return runProgram(python.front(), all);
}

std::vector<std::string> pythonWith(const std::string& module) {
  const std::vector<std::vector<std::string>> candidates = {{"/usr/bin/python3"}, {"/usr/bin/env", "python3"}};
  for (const std::vector<std::string>& python : candidates) {
    if (!fileExists(python.front())) continue;
    if (runPython(python, "import " + module, {}).status == 0) return python;
  }
  return {};
}

}  // namespace vestrilo::test
