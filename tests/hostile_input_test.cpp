// Hostile input files through the real binary, in both directions: random
// bytes, NUL bytes, lone lead bytes, 0x80 and 0xFF, a 10 MB line, 100,000 empty
// lines, a numeral run of a million characters, very long digit runs, CR without
// LF and a file of only CR LF. Every run must end normally, count every line,
// and write only whole pair lines, read as GBK and read as UTF-8 (where most of
// these bytes are ill-formed). Built with VESTRILO_SANITIZE=ON, the binary runs
// under ASan and UBSan here too.
#include <gtest/gtest.h>

#include <cstddef>
#include <random>
#include <string>
#include <vector>

#include "tests/TestSupport.h"

namespace vestrilo {
namespace {

using test::readFile;
using test::runVestrilo;
using test::TempDir;
using test::writeFile;

std::string repeat(const std::string& piece, std::size_t times) {
  std::string out;
  out.reserve(piece.size() * times);
  for (std::size_t i = 0; i < times; ++i) out += piece;
  return out;
}

// A literal with its NUL bytes.
template <std::size_t N>
std::string bytes(const char (&text)[N]) {
  return std::string(text, N - 1);
}

// Repeats piece until the text is at least size bytes long.
std::string fill(const std::string& piece, std::size_t size) { return repeat(piece, (size + piece.size() - 1) / piece.size()); }

std::string randomBytes(std::size_t size, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> byte(0, 255);
  std::string out(size, '\0');
  for (char& c : out) c = static_cast<char>(byte(rng));
  return out;
}

// Random text made of the pieces both directions look for, with hostile bytes
// mixed in, so that entities meet broken characters, NULs and line ends.
std::string randomPieces(std::size_t size, unsigned seed) {
  const std::vector<std::string> pieces = {
      "一", "二", "两", "三", "九", "十", "百", "千", "万", "亿", "零", "半", "第", "星期", "周", "年", "月",
      "日", "号", "点", "分", "刻", "分之", "成", "公元", "前", "，", "：", "one", "twenty", "five",
      "hundred", "thousand", "million", "half", "past", "quarter", "to", "o'clock", "a.m.", "p.m.", "may",
      "monday", "first", "fifth", "percent", "and", "a", "b.c.", "1", "12", "2004", "99999999999", "3.5",
      "10:30", "1,000", "%", "/", "-", ".", ",", " ", " ", " ", "\t", "\r", "\n", std::string(1, '\0'),
      "\x80", "\xFF", "\x81", "\xFE\xFE"};
  std::mt19937 rng(seed);
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
  std::string out;
  while (out.size() < size) out += pieces[pick(rng)];
  return out;
}

struct HostileCase {
  const char* name;
  std::string (*chinese)();  // content for -C2E
  std::string (*english)();  // content for -E2C
};

const HostileCase kCases[] = {
    {"RandomBinary", [] { return randomBytes(256 * 1024, 1); }, [] { return randomBytes(256 * 1024, 2); }},
    {"RandomPieces", [] { return randomPieces(256 * 1024, 3); }, [] { return randomPieces(256 * 1024, 4); }},
    {"NulBytes",
     [] { return bytes("三\0点 开始\n\0\0\0\n2004\0年5月\0\n第\0三\n") + std::string(1000, '\0'); },
     [] { return bytes("ten\0past five\n\0\0\0\nmay 5,\0 2004\n2\0nd\n") + std::string(1000, '\0'); }},
    {"LoneLeadBytes",
     [] { return std::string("三点 \x81\n星期\xD0\n\x81三点\n2004年\xFE\n5\x81\n第\xB0\n\xD0"); },
     [] { return std::string("ten past five \x81\nmay 5\xD0\n\x81twenty\n5th\xFE\nhalf past \xB0\n\xD0"); }},
    {"HighBytes0x80And0xFF",
     [] { return repeat("\x80", 1001) + "\n" + repeat("\xFF", 1001) + "\n三\x80点\xFF十\n\x80\xFF\x80\n\xFF"; },
     [] { return repeat("\x80", 1001) + "\n" + repeat("\xFF", 1001) + "\nten\x80past\xFF five\n\x80\xFF\x80\n\x80"; }},
    {"TenMegabyteLine",
     // Long plain stretches keep the run short; the entities still sit at every
     // offset up to 10 MB. (Dense entity text is measured in bench/.)
     [] { return fill(std::string(1000, 'x') + " 会议 于 三点 开始 2004年5月1日 星期三 第3 百分之五十 12,345 ", 10u << 20) + "\n"; },
     [] {
       return fill(std::string(1000, 'x') + " We met at half past five on May 5, 2004 , the 3rd , 12,345 and fifty percent . ",
                   10u << 20) + "\n";
     }},
    {"HundredThousandEmptyLines", [] { return repeat("\n", 100000); }, [] { return repeat("\n", 100000); }},
    {"MillionCharacterNumeralRun",
     [] { return repeat("一二三四五六七八九零", 100000) + "\n" + repeat("九千九百九十九万", 125000) + "\n"; },
     [] { return fill("nine hundred and ninety-nine thousand ", 1000000) + "\n" + fill("one two three ", 1000000) + "\n"; }},
    {"LongDigitRuns",
     [] {
       return repeat("9", 100000) + "\n" + repeat("1234567890", 10000) + "年\n第" + repeat("9", 5000) + "\n" +
              repeat("9", 40) + "点" + repeat("9", 40) + "分\n" + repeat("1,234", 20000) + "\n" +
              "3." + repeat("14159", 20000) + "万\n" + repeat("9", 30) + "%\n";
     },
     [] {
       return repeat("9", 100000) + "\n" + repeat("1234567890", 10000) + " million\n" + repeat("9", 5000) +
              "th\n" + repeat("9", 40) + ":" + repeat("9", 40) + " p.m.\n" + repeat("1,234", 20000) + "\n" +
              "3." + repeat("14159", 20000) + " billion\n" + repeat("9", 30) + "%\nmay " + repeat("9", 40) +
              ", " + repeat("9", 40) + "\n";
     }},
    {"CarriageReturnsWithoutLineFeeds",
     [] { return repeat("三点 开始\r2004年5月1日\r", 1000); },
     [] { return repeat("ten past five\rmay 5, 2004\r", 1000); }},
    {"OnlyCrLf", [] { return std::string("\r\n"); }, [] { return std::string("\r\n"); }},
    {"ManyCrLfLines", [] { return repeat("\r\n", 50000); }, [] { return repeat("\r\n", 50000); }},
    {"EmptyFile", [] { return std::string(); }, [] { return std::string(); }},
};

// The number of lines the driver reads: one per line feed, plus a last piece
// without one when it is not empty.
std::size_t lineCount(const std::string& bytes) {
  std::size_t n = 0;
  for (char c : bytes) n += c == '\n';
  if (!bytes.empty() && bytes.back() != '\n') ++n;
  return n;
}

std::string shown(const std::string& text) {
  std::string out;
  for (unsigned char c : text.substr(0, 120)) {
    if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      static const char hex[] = "0123456789ABCDEF";
      out += "\\x";
      out += hex[c >> 4];
      out += hex[c & 15];
    }
  }
  return text.size() > 120 ? out + "..." : out;
}

// Every output line ends with a line feed and holds " ||| " with a translation
// after it.
::testing::AssertionResult wellFormedOutput(const std::string& out) {
  std::size_t pos = 0, line = 0;
  while (pos < out.size()) {
    const std::size_t lf = out.find('\n', pos);
    if (lf == std::string::npos)
      return ::testing::AssertionFailure() << "the last line has no line feed: " << shown(out.substr(pos));
    const std::string text = out.substr(pos, lf - pos);
    const std::size_t sep = text.find(" ||| ");
    if (sep == std::string::npos || sep + 5 == text.size())
      return ::testing::AssertionFailure() << "line " << line << " is not a pair: " << shown(text);
    pos = lf + 1;
    ++line;
  }
  return ::testing::AssertionSuccess();
}

// The number in the last progress message on standard output (0 when none).
std::size_t lastProgressLine(const std::string& console) {
  const std::string marker = "\nProcessing Line ";
  const std::size_t at = console.rfind(marker);
  if (at == std::string::npos) return 0;
  return static_cast<std::size_t>(std::stoull(console.substr(at + marker.size(), 20)));
}

struct Param {
  const HostileCase* hostile;
  bool chineseToEnglish;
  bool utf8;  // VESTRILO_ENCODING=UTF-8
};

class HostileInput : public ::testing::TestWithParam<Param> {};

TEST_P(HostileInput, EndsNormallyWithWholePairLines) {
  const Param p = GetParam();
  const std::string input = p.chineseToEnglish ? p.hostile->chinese() : p.hostile->english();
  TempDir dir;
  writeFile(dir.file("in.txt"), input);
  const test::RunResult r = runVestrilo({p.chineseToEnglish ? "-C2E" : "-E2C", dir.file("in.txt"), dir.file("out.txt")},
                                        {p.utf8 ? "VESTRILO_ENCODING=UTF-8" : "VESTRILO_ENCODING=GBK"});
  ASSERT_EQ(r.status, 0) << r.err.substr(0, 4000);
  EXPECT_EQ(r.err, "");
  const std::string ok = "\nOk! Job has been done!\n";
  ASSERT_GE(r.out.size(), ok.size());
  EXPECT_EQ(r.out.substr(r.out.size() - ok.size()), ok);
  EXPECT_EQ(lastProgressLine(r.out), lineCount(input)) << "lines were lost or invented";
  EXPECT_TRUE(wellFormedOutput(readFile(dir.file("out.txt"))));
}

// Lines are processed in batches on several threads; the output must not depend
// on how many.
TEST(HostileInputThreads, SameOutputWithOneThreadAndWithMany) {
  for (const bool chineseToEnglish : {true, false}) {
    for (unsigned seed = 10; seed < 12; ++seed) {
      const std::string input = seed % 2 ? randomPieces(512 * 1024, seed) : randomBytes(512 * 1024, seed);
      TempDir dir;
      writeFile(dir.file("in.txt"), input);
      const char* direction = chineseToEnglish ? "-C2E" : "-E2C";
      ASSERT_EQ(runVestrilo({direction, dir.file("in.txt"), dir.file("one.txt")}, {"VESTRILO_THREADS=1"}).status, 0);
      ASSERT_EQ(runVestrilo({direction, dir.file("in.txt"), dir.file("many.txt")}, {"VESTRILO_THREADS=4"}).status, 0);
      EXPECT_EQ(readFile(dir.file("one.txt")), readFile(dir.file("many.txt"))) << direction << " seed " << seed;
    }
  }
}

std::vector<Param> allParams() {
  std::vector<Param> params;
  for (const HostileCase& c : kCases) {
    for (const bool utf8 : {false, true}) {
      params.push_back({&c, true, utf8});
      params.push_back({&c, false, utf8});
    }
  }
  return params;
}

INSTANTIATE_TEST_SUITE_P(Files, HostileInput, ::testing::ValuesIn(allParams()),
                         [](const ::testing::TestParamInfo<Param>& info) {
                           return std::string(info.param.hostile->name) +
                                  (info.param.chineseToEnglish ? "_C2E" : "_E2C") + (info.param.utf8 ? "_UTF8" : "");
                         });

}  // namespace
}  // namespace vestrilo
