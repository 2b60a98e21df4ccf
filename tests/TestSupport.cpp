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


RunResult runProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::vector<std::string>& env) {
  TempDir dir;
  const std::string outPath = dir.file("stdout"), errPath = dir.file("stderr");
  pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    int in = open("/dev/null", O_RDONLY);
    int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    for (const std::string& kv : env) putenv(const_cast<char*>(kv.c_str()));
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  RunResult r;
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.out = readFile(outPath);
  r.err = readFile(errPath);
  return r;
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
