// Nothing lost and nothing falsely reported, through each entry point that
// writes files (vestrilo, vestrilo-view, the library's file job): an output
// that is the input, writes that fail as on a full disk, a directory as input,
// threads that cannot start; and the standard streams and progress choices of
// the command lines.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/TestSupport.h"
#include "vestrilo/vestrilo.h"

namespace vestrilo {
namespace {

using test::readFile;
using test::RunResult;
using test::RunSetup;
using test::TempDir;
using test::writeFile;

const std::string kBanner = "Oskelund Documents Preprocessing - Num&Time Recognition and Translation\n";
const std::string kDone = "\nOk! Job has been done!\n";
const std::string kChinese = readFile(VESTRILO_SOURCE_DIR "/examples/chinese.txt");
const std::string kEnglish = readFile(VESTRILO_SOURCE_DIR "/examples/english.txt");

// Files written beside an output are removed again: these limits make the
// writes fail the way a full disk makes them fail.
constexpr rlim_t kFileSizeLimit = 200;
void limitFileSize() {
  signal(SIGXFSZ, SIG_IGN);  // writes past the limit fail with EFBIG
  const struct rlimit limit = {kFileSizeLimit, kFileSizeLimit};
  setrlimit(RLIMIT_FSIZE, &limit);
}

// Room for the program and a few threads' stacks, not for 256 (their stacks
// take 8 MiB of address space each): what the process has, and this much more.
rlim_t addressSpace(rlim_t more) {
  unsigned long pages = 0;
  if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%lu", &pages) != 1) pages = 0;
    std::fclose(f);
  }
  return static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + more;
}
rlim_t addressLimit = 0;
void limitAddressSpace() {
  const struct rlimit limit = {addressLimit, addressLimit};
  setrlimit(RLIMIT_AS, &limit);
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;  // the sanitizer reserves far more address space than any limit leaves
#else
constexpr bool kSanitized = false;
#endif

RunSetup withEnv(std::vector<std::string> env) {
  RunSetup setup;
  setup.env = std::move(env);
  return setup;
}

mode_t modeOf(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// The two command lines as one entry point: the arguments before infile and outfile.
struct Program {
  const char* name;
  const char* binary;
  std::vector<std::string> before;
};
const Program kPrograms[] = {
    {"vestrilo", VESTRILO_BINARY, {"-C2E"}},
    {"vestrilo-view", VESTRILO_VIEW_BINARY, {"-C2E", "translated-html"}},
};

RunResult run(const Program& p, const std::string& in, const std::string& out, RunSetup setup = {}) {
  std::vector<std::string> args = p.before;
  args.push_back(in);
  args.push_back(out);
  return test::runProgramWith(p.binary, args, setup);
}

// Each fault with an old output in place: the run says what failed, and leaves
// the input, the old output (content and mode) and the directory as they were.
TEST(Files, CommandLinesLoseNothing) {
  for (const Program& p : kPrograms) {
    TempDir dir;
    const std::string in = dir.file("in.txt"), out = dir.file("out.txt");
    writeFile(in, kChinese);
    ASSERT_EQ(symlink("in.txt", dir.file("to-in.txt").c_str()), 0);
    ASSERT_EQ(link(in.c_str(), dir.file("same-in.txt").c_str()), 0);
    const RunResult good = run(p, in, dir.file("good.txt"));
    ASSERT_EQ(good.status, 0) << p.name;
    const std::string written = readFile(dir.file("good.txt"));
    ASSERT_GT(written.size(), kFileSizeLimit) << p.name;
    std::remove(dir.file("good.txt").c_str());

    const struct {
      const char* name;
      std::string input, output;
      void (*child)();
      std::string err;
    } cases[] = {
        {"output is the input", in, in, nullptr, "Error: output file is the input file!\n"},
        {"output links to the input", in, dir.file("to-in.txt"), nullptr, "Error: output file is the input file!\n"},
        {"output is a hard link of the input", in, dir.file("same-in.txt"), nullptr,
         "Error: output file is the input file!\n"},
        {"input through a link is the output", dir.file("to-in.txt"), in, nullptr,
         "Error: output file is the input file!\n"},
        {"a directory as input", dir.path(), out, nullptr, "Error: unable to read input file!\n"},
        {"the file system fills up", in, out, limitFileSize, "Error: unable to write output file!\n"},
        {"a full device", in, "/dev/full", nullptr, "Error: unable to write output file!\n"},
    };
    for (const auto& c : cases) {
      writeFile(out, "old\n");
      ASSERT_EQ(chmod(out.c_str(), 0640), 0);
      RunSetup setup;
      setup.child = c.child;
      setup.env = {"VESTRILO_PROGRESS=none"};  // the console's file is not limited in size
      const RunResult r = run(p, c.input, c.output, setup);
      EXPECT_EQ(r.status, 255) << p.name << ": " << c.name;
      EXPECT_EQ(r.err, c.err) << p.name << ": " << c.name;
      EXPECT_EQ(r.out, "") << p.name << ": " << c.name;
      EXPECT_EQ(readFile(in), kChinese) << p.name << ": " << c.name;
      EXPECT_EQ(readFile(out), "old\n") << p.name << ": " << c.name;
      EXPECT_EQ(modeOf(out), 0640u) << p.name << ": " << c.name;
      EXPECT_EQ(test::listDirectory(dir.path()),
                (std::vector<std::string>{"in.txt", "out.txt", "same-in.txt", "to-in.txt"}))
          << p.name << ": " << c.name << ": nothing left beside the output";
    }

    // A good run replaces the old file through a link to it, keeping its mode.
    ASSERT_EQ(symlink("out.txt", dir.file("to-out.txt").c_str()), 0);
    const RunResult r = run(p, in, dir.file("to-out.txt"));
    EXPECT_EQ(r.status, 0) << p.name;
    EXPECT_EQ(readFile(out), written) << p.name;
    EXPECT_EQ(modeOf(out), 0640u) << p.name;
    struct stat info;
    ASSERT_EQ(lstat(dir.file("to-out.txt").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode)) << p.name << ": the link stays a link";
  }
}

// A signal while the run waits for input: the run stops, removes what it was
// writing and ends as the signal ends a process; the old output stays.
TEST(Files, ASignalStopsARunAndKeepsTheOldOutput) {
  for (const Program& p : kPrograms) {
    for (int signalNumber : {SIGINT, SIGTERM}) {
      TempDir dir;
      const std::string fifo = dir.file("fifo"), out = dir.file("out.txt");
      ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
      writeFile(out, "old\n");
      RunSetup setup;
      setup.input = fifo;  // the child blocks opening it until the writer below opens it
      setup.whileRunning = [&](int pid) {
        const int writer = open(fifo.c_str(), O_WRONLY);
        ASSERT_GE(writer, 0);
        const std::string line = "三点\n";
        ASSERT_EQ(write(writer, line.data(), line.size()), static_cast<ssize_t>(line.size()));
        // Once the output is being written beside its place the run is under way.
        while (test::listDirectory(dir.path()).size() < 3) usleep(1000);
        kill(pid, signalNumber);
        close(writer);
      };
      const RunResult r = run(p, "-", out, setup);
      EXPECT_EQ(r.status, -1) << p.name << ": ended by the signal";
      EXPECT_EQ(readFile(out), "old\n") << p.name;
      EXPECT_EQ(test::listDirectory(dir.path()), (std::vector<std::string>{"fifo", "out.txt"})) << p.name;
    }
  }
}

// VESTRILO_THREADS=256 where memory leaves room for a few threads: the run
// takes fewer and writes the same.
TEST(Files, ThreadsThatCannotStartMeanFewerThreads) {
  if (kSanitized) GTEST_SKIP() << "address space limits do not apply under the sanitizers";
  TempDir dir;
  const std::string in = dir.file("in.txt");
  std::string text;
  for (int k = 0; k < 3000; ++k) text += kChinese;  // some batches for the threads
  writeFile(in, text);
  ASSERT_EQ(run(kPrograms[0], in, dir.file("one.txt"), withEnv({"VESTRILO_THREADS=1"})).status, 0);
  RunSetup setup = withEnv({"VESTRILO_THREADS=256", "VESTRILO_PROGRESS=none"});
  addressLimit = rlim_t(512) << 20;
  setup.child = limitAddressSpace;
  const RunResult r = run(kPrograms[0], in, dir.file("many.txt"), setup);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(readFile(dir.file("many.txt")), readFile(dir.file("one.txt")));
}

// The library's file job in a child process under the same limits.
struct JobInChild {
  FileJob job;
  Status status;
};

int runJob(void* context) {
  auto& c = *static_cast<JobInChild*>(context);
  const Status s = extractFile(c.job);
  // The code and the system's error, as one exit status.
  return s.ok() ? 0 : s.code() == StatusCode::CannotWriteOutput && s.systemError() == EFBIG ? 1 : 2;
}

TEST(Files, FileJobLosesNothingWhenWritesFailOrThreadsCannotStart) {
  TempDir dir;
  const std::string in = dir.file("in.txt"), out = dir.file("out.txt");
  std::string text;
  for (int k = 0; k < 3000; ++k) text += kEnglish;
  writeFile(in, toUtf8(text, Encoding::GBK));
  JobInChild c;
  c.job.direction = Direction::EnglishToChinese;
  c.job.input = in;
  c.job.output = dir.file("expected.txt");
  c.job.threads = 1;
  ASSERT_TRUE(extractFile(c.job).ok());
  const std::string expected = readFile(c.job.output);
  ASSERT_GT(expected.size(), kFileSizeLimit);

  c.job.output = out;
  for (unsigned threads : {1u, 3u}) {
    writeFile(out, "old\n");
    ASSERT_EQ(chmod(out.c_str(), 0604), 0);
    c.job.threads = threads;
    EXPECT_EQ(test::runInChild(limitFileSize, runJob, &c), 1) << threads << " threads: EFBIG";
    EXPECT_EQ(readFile(out), "old\n");
    EXPECT_EQ(modeOf(out), 0604u);
    EXPECT_EQ(test::listDirectory(dir.path()), (std::vector<std::string>{"expected.txt", "in.txt", "out.txt"}));
  }
  if (kSanitized) return;
  addressLimit = addressSpace(rlim_t(768) << 20);
  for (unsigned threads : {256u, 100000u}) {
    std::remove(out.c_str());
    c.job.threads = threads;
    EXPECT_EQ(test::runInChild(limitAddressSpace, runJob, &c), 0) << threads << " threads";
    EXPECT_EQ(readFile(out), expected) << threads << " threads";
  }
}

// "-" reads standard input and writes standard output; with the pairs on
// standard output the console text goes to standard error. Every combination
// writes what the run on files writes, in both directions and encodings.
TEST(Files, StandardStreamsEqualTheFileRun) {
  TempDir dir;
  const std::string in = dir.file("in.txt"), out = dir.file("out.txt");
  const struct {
    const char* name;
    const char* binary;
    std::vector<std::string> before;
    std::string text;
  } inputs[] = {
      {"C2E", VESTRILO_BINARY, {"-C2E"}, kChinese},
      {"E2C", VESTRILO_BINARY, {"-E2C"}, kEnglish},
      {"view C2E jsonl", VESTRILO_VIEW_BINARY, {"-C2E", "jsonl"}, kChinese},
      {"view E2C pairs-html", VESTRILO_VIEW_BINARY, {"-E2C", "pairs-html"}, kEnglish},
  };
  for (const auto& input : inputs) {
    for (const char* encoding : {"GBK", "UTF-8"}) {
      const std::string name = std::string(input.name) + " " + encoding;
      writeFile(in, encoding[0] == 'G' ? input.text : toUtf8(input.text, Encoding::GBK));
      RunSetup setup = withEnv({std::string("VESTRILO_ENCODING=") + encoding});
      std::vector<std::string> args = input.before;
      args.push_back(in);
      args.push_back(out);
      const RunResult files = test::runProgramWith(input.binary, args, setup);
      ASSERT_EQ(files.status, 0) << name;
      const std::string pairs = readFile(out);
      ASSERT_FALSE(pairs.empty()) << name;
      std::remove(out.c_str());
      EXPECT_EQ(files.out.substr(0, kBanner.size()), kBanner) << name;

      setup.input = in;
      for (const auto& [from, to] : {std::pair{"-", "-"}, {"-", "file"}, {"file", "-"}}) {
        args[args.size() - 2] = from[0] == '-' ? "-" : in;
        args.back() = to[0] == '-' ? "-" : out;
        const RunResult r = test::runProgramWith(input.binary, args, setup);
        const std::string what = name + ", " + from + " to " + to;
        EXPECT_EQ(r.status, 0) << what;
        if (to[0] == '-') {
          EXPECT_EQ(r.out, pairs) << what;
          EXPECT_EQ(r.err, files.out) << what << ": the console text on standard error";
          EXPECT_FALSE(test::fileExists(out)) << what;
        } else {
          EXPECT_EQ(readFile(out), pairs) << what;
          EXPECT_EQ(r.out, files.out) << what;
          EXPECT_EQ(r.err, "") << what;
        }
        std::remove(out.c_str());
      }
    }
  }
}

// A file named "-" is reached as "./-", and is no stream.
TEST(Files, AFileNamedDashIsReachedAsDotSlashDash) {
  TempDir dir;
  writeFile(dir.file("-"), kChinese);
  RunSetup setup = withEnv({"VESTRILO_PROGRESS=none"});
  setup.directory = dir.path();
  for (const Program& p : kPrograms) {
    std::remove(dir.file("out.txt").c_str());
    RunResult r = run(p, "./-", "out.txt", setup);
    EXPECT_EQ(r.status, 0) << p.name;
    EXPECT_EQ(r.out, "") << p.name << ": standard input was not read";
    const std::string pairs = readFile(dir.file("out.txt"));
    EXPECT_FALSE(pairs.empty()) << p.name;
    r = run(p, "out.txt", "./-", setup);
    EXPECT_EQ(r.status, 0) << p.name;
    EXPECT_EQ(r.out, "") << p.name << ": nothing on standard output";
    EXPECT_NE(readFile(dir.file("-")), kChinese) << p.name << ": the file was written";
    writeFile(dir.file("-"), kChinese);
  }
}

// VESTRILO_PROGRESS: what the console shows, and the output the same with
// every choice. The bar needs a terminal: elsewhere it shows nothing.
TEST(Files, ProgressChoices) {
  TempDir dir;
  const std::string in = dir.file("in.txt"), out = dir.file("out.txt");
  writeFile(in, kChinese);
  std::string lines = kBanner;
  int count = 0;
  for (char c : kChinese) count += c == '\n';
  for (int k = 1; k <= count; ++k) lines += "\nProcessing Line " + std::to_string(k);
  lines += kDone;
  const struct {
    const char* value;  // nullptr: unset
    std::string out;
  } cases[] = {{nullptr, lines}, {"", lines}, {"lines", lines}, {"none", ""}, {"bar", ""}};
  for (const Program& p : kPrograms) {
    std::string expected;
    for (const auto& c : cases) {
      RunSetup setup;
      if (c.value) setup.env = {std::string("VESTRILO_PROGRESS=") + c.value};
      const RunResult r = run(p, in, out, setup);
      const std::string what = std::string(p.name) + ", " + (c.value ? c.value : "unset");
      EXPECT_EQ(r.status, 0) << what;
      EXPECT_EQ(r.out, c.out) << what;
      EXPECT_EQ(r.err, "") << what;
      if (expected.empty()) expected = readFile(out);
      EXPECT_EQ(readFile(out), expected) << what;
    }
  }
}

// On a terminal the bar starts at nothing done, is drawn again in place, and
// ends at every line done with a line end.
TEST(Files, ProgressBarOnATerminal) {
  TempDir dir;
  const std::string in = dir.file("in.txt"), out = dir.file("out.txt");
  writeFile(in, kChinese);
  int count = 0;
  for (char c : kChinese) count += c == '\n';
  for (const Program& p : kPrograms) {
    RunSetup setup = withEnv({"VESTRILO_PROGRESS=bar"});
    setup.terminal = true;
    const RunResult r = run(p, in, out, setup);
    EXPECT_EQ(r.status, 0) << p.name;
    EXPECT_EQ(r.out, "") << p.name;
    EXPECT_EQ(r.err.rfind("\r0.0 MB, 0 lines, ", 0), 0u) << p.name << ": " << r.err;
    const std::size_t last = r.err.rfind('\r', r.err.size() - 3);
    ASSERT_NE(last, std::string::npos) << p.name;
    ASSERT_GT(last, 0u) << p.name << ": drawn more than once";
    const std::string end = r.err.substr(last);
    EXPECT_NE(end.find(", " + std::to_string(count) + " lines, "), std::string::npos) << p.name << ": " << end;
    EXPECT_NE(end.find(", 100%"), std::string::npos) << p.name << ": " << end;
    EXPECT_EQ(r.err.back(), '\n') << p.name;
    EXPECT_EQ(r.err.find("Processing"), std::string::npos) << p.name;
  }
}

// A bad progress value is refused before any file is touched, after the
// other variables are checked.
TEST(Files, BadProgressValueTouchesNoFile) {
  TempDir dir;
  const std::string in = dir.file("in.txt"), out = dir.file("out.txt");
  writeFile(in, kChinese);
  const std::string progressError = "Error: VESTRILO_PROGRESS must be lines, bar or none\n";
  const struct {
    std::vector<std::string> env;
    std::string err;
  } cases[] = {
      {{"VESTRILO_PROGRESS=Bar"}, progressError},
      {{"VESTRILO_PROGRESS=line"}, progressError},
      {{"VESTRILO_PROGRESS= none"}, progressError},
      {{"VESTRILO_PROGRESS=quiet", "VESTRILO_RULES=fancy"}, "Error: VESTRILO_RULES must be classic or extended\n"},
      {{"VESTRILO_PROGRESS=quiet", "VESTRILO_ENCODING=latin1"}, "Error: VESTRILO_ENCODING must be GBK or UTF-8\n"},
  };
  for (const Program& p : kPrograms) {
    for (const auto& c : cases) {
      writeFile(out, "old\n");
      const RunResult r = run(p, in, out, withEnv(c.env));
      EXPECT_EQ(r.status, 255) << p.name << " " << c.env[0];
      EXPECT_EQ(r.err, c.err) << p.name << " " << c.env[0];
      EXPECT_EQ(r.out, "") << p.name;
      EXPECT_EQ(readFile(out), "old\n") << p.name;
    }
  }
}

}  // namespace
}  // namespace vestrilo
