// UTF-8 mode end to end (VESTRILO_ENCODING=UTF-8): the real binary and the
// viewer on UTF-8 files. The main proof: on any GBK file converted with iconv, a
// UTF-8 run writes exactly the iconv conversion of the GBK run's output. Then
// lines that GBK cannot hold, ill-formed UTF-8, the jsonl format checked by a
// JSON parser, and the pipeline for raw Chinese through jieba. Literals: "..."
// is GBK here, u8"..." UTF-8.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "bench/CorpusGenerator.h"
#include "driver/View.h"
#include "tests/TestSupport.h"

namespace vestrilo {
namespace {

using test::readFile;
using test::RunResult;
using test::TempDir;
using test::writeFile;

const std::vector<std::string> kUtf8 = {"VESTRILO_ENCODING=UTF-8"};

std::string example(const char* name) { return readFile(std::string(VESTRILO_SOURCE_DIR) + "/examples/" + name); }

// The text of the GBK file as UTF-8, by the iconv program.
std::string iconvToUtf8(const std::string& path) {
  const RunResult r = test::runProgram("/usr/bin/iconv", {"-f", "GBK", "-t", "UTF-8", path});
  EXPECT_EQ(r.status, 0) << "iconv: " << r.err;
  return r.out;
}

// Runs vestrilo-view in this process with VESTRILO_ENCODING set (or unset for
// nullptr); returns the exit status and the console text.
std::pair<int, std::string> runView(const std::vector<std::string>& args, const char* encoding) {
  std::vector<const char*> argv = {"vestrilo-view"};
  for (const std::string& a : args) argv.push_back(a.c_str());
  std::FILE* console = std::tmpfile();
  if (encoding)
    setenv("VESTRILO_ENCODING", encoding, 1);
  else
    unsetenv("VESTRILO_ENCODING");
  const int status = runVestriloView(static_cast<int>(argv.size()), argv.data(), console, console);
  unsetenv("VESTRILO_ENCODING");
  std::string text;
  std::rewind(console);
  char buf[4096];
  for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, console)) > 0;) text.append(buf, n);
  std::fclose(console);
  return {status, text};
}

std::string corpusLines(bench::Language language, std::size_t lines) {
  bench::CorpusGenerator generator(language, 20040514);
  std::string text;
  for (std::size_t i = 0; i < lines; ++i) generator.appendLine(text);
  return text;
}

// ---------------------------------------------------------------- equivalence

struct Equivalence {
  const char* name;
  const char* direction;
  std::string (*gbkText)();
  bool views;  // also every rendering of vestrilo-view
};

const Equivalence kEquivalences[] = {
    {"ChineseExample", "-C2E", [] { return example("chinese.txt"); }, true},
    {"EnglishExample", "-E2C", [] { return example("english.txt"); }, true},
    {"ChineseExampleAsEnglish", "-E2C", [] { return example("chinese.txt"); }, true},
    {"ChineseCorpus100000Lines", "-C2E", [] { return corpusLines(bench::Language::Chinese, 100000); }, false},
    {"EnglishCorpus100000Lines", "-E2C", [] { return corpusLines(bench::Language::English, 100000); }, false},
};

class Utf8Equivalence : public testing::TestWithParam<Equivalence> {};

TEST_P(Utf8Equivalence, Utf8RunWritesTheConvertedGbkRun) {
  const Equivalence& c = GetParam();
  TempDir dir;
  const std::string gbkIn = dir.file("in.gbk"), utf8In = dir.file("in.utf8");
  const std::string gbkText = c.gbkText();
  ASSERT_GT(gbkText.size(), 100u);
  writeFile(gbkIn, gbkText);
  const std::string utf8Text = iconvToUtf8(gbkIn);
  writeFile(utf8In, utf8Text);

  const std::string gbkOut = dir.file("out.gbk"), utf8Out = dir.file("out.utf8");
  const RunResult gbkRun = test::runVestrilo({c.direction, gbkIn, gbkOut});
  const RunResult utf8Run = test::runVestrilo({c.direction, utf8In, utf8Out}, kUtf8);
  ASSERT_EQ(gbkRun.status, 0) << gbkRun.err;
  ASSERT_EQ(utf8Run.status, 0) << utf8Run.err;
  EXPECT_TRUE(utf8Run.out == gbkRun.out) << "console text differs";
  EXPECT_EQ(utf8Run.err, gbkRun.err);
  const std::string expected = iconvToUtf8(gbkOut), written = readFile(utf8Out);
  // The comparison means something only where Chinese comes in or goes out.
  ASSERT_TRUE(utf8Text != gbkText || expected != readFile(gbkOut)) << "all ASCII";
  EXPECT_EQ(written.size(), expected.size());
  EXPECT_TRUE(written == expected) << "the pairs differ from the converted GBK pairs";

  if (!c.views) return;
  for (const char* format : {"tags", "html", "translated-tags", "translated-html", "pairs-html"}) {
    SCOPED_TRACE(format);
    const auto gbkView = runView({c.direction, format, gbkIn, gbkOut}, nullptr);
    const auto utf8View = runView({c.direction, format, utf8In, utf8Out}, "utf-8");
    ASSERT_EQ(gbkView.first, 0);
    ASSERT_EQ(utf8View.first, 0);
    EXPECT_EQ(utf8View.second, gbkView.second);
    std::string converted = iconvToUtf8(gbkOut);
    const std::string gbkCharset = "<meta charset=\"GBK\">", utf8Charset = "<meta charset=\"UTF-8\">";
    if (const std::size_t at = converted.find(gbkCharset); at != std::string::npos)
      converted.replace(at, gbkCharset.size(), utf8Charset);
    EXPECT_EQ(readFile(utf8Out), converted);
  }
}

INSTANTIATE_TEST_SUITE_P(Files, Utf8Equivalence, testing::ValuesIn(kEquivalences),
                         [](const testing::TestParamInfo<Equivalence>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- what GBK cannot hold

TEST(Utf8Files, SourcesAreTheInputBytesOfTheirSpan) {
  const std::string bom = u8"\uFEFF";
  const struct {
    const char* name;
    const char* direction;
    std::string input;
    std::string output;
  } cases[] = {
      // A character GBK cannot hold is read like an ordinary Chinese character:
      // set apart by spaces it changes nothing, attached to a word it is part of it.
      {"emoji before and after a number", "-C2E", u8"😀 三百 😀 ， 😀3点😀 😀 3点 😀\n",
       u8"三百 ||| three hundred\n3 ||| 3\n3点 ||| three o'clock\n"},
      {"emoji before and after a number", "-E2C", u8"😀 42 😀 , 😀42😀 , 😀 half past five 😀\n",
       u8"42 ||| 42\nhalf past five ||| 五点 半\n"},
      {"a four-byte character between two numerals", "-C2E", u8"三 𠀀 四 ， 2004年 𠀀 5月\n",
       u8"三 ||| three\n四 ||| four\n2004年 |||   2004\n5月 |||  May\n"},
      {"a four-byte character between two numerals", "-E2C", u8"3 𠀀 4 , five 𠀀 six\n",
       u8"3 ||| 3\n4 ||| 4\nfive ||| 五\nsix ||| 六\n"},
      {"a non-breaking space", "-C2E", u8"三点 \u00A0 开始 ， 五 百 \u00A0 人 ， 四点\u00A0开始\n",
       u8"三点 ||| three o'clock\n五 百 ||| five hundred\n"},
      // It is no space to the English rules either: "half past" is one word.
      {"a non-breaking space", "-E2C", u8"at half\u00A0past five , May\u00A05\n", u8"five ||| 五\n"},
      {"a lone continuation byte", "-C2E", "\x80 " + std::string(u8"三点 \x80"), u8"三点 ||| three o'clock\n"},
      {"a lone continuation byte", "-E2C", "\x80 half past five \x80", u8"half past five ||| 五点 半\n"},
      {"a sequence cut at the line end", "-C2E", u8"今天 三点 \xE4\xB8\n明天 五点 \xF0\x9F\x98",
       u8"三点 ||| three o'clock\n五点 ||| five o'clock\n"},
      {"a sequence cut at the line end", "-E2C", "at five p.m. \xE4\xB8\nat six p.m. \xF0\x9F\x98",
       u8"five p.m. ||| 下午 五点 \nsix p.m. ||| 下午 六点 \n"},
      {"an overlong form", "-C2E", "\xC0\xAF " + std::string(u8"第三 \xE0\x80\xAF"), u8"第三 ||| third\n"},
      {"an overlong form", "-E2C", "\xC0\xAF the third \xE0\x80\xAF", u8"third ||| 第三\n"},
      {"0xFF", "-C2E", "\xFF " + std::string(u8"星期五 \xFF\xFE"), u8"星期五 ||| Friday\n"},
      {"0xFF", "-E2C", "\xFF on Friday \xFF\xFE", u8"Friday ||| 星期五\n"},
      {"a byte-order mark at the start", "-C2E", bom + u8"三点 开始\n", u8"三点 ||| three o'clock\n"},
      {"a byte-order mark at the start", "-E2C", bom + u8"at five p.m.\n", u8"five p.m. ||| 下午 五点 \n"},
      {"CR LF line ends", "-C2E", u8"三点 开始\r\n第三 名\r\n", u8"三点 ||| three o'clock\n第三 ||| third\n"},
      {"CR LF line ends", "-E2C", "at five p.m.\r\nthe third\r\n", u8"five p.m. ||| 下午 五点 \nthird ||| 第三\n"},
  };
  TempDir dir;
  const std::string in = dir.file("in.txt"), out = dir.file("out.txt");
  for (const auto& c : cases) {
    writeFile(in, c.input);
    const RunResult r = test::runVestrilo({c.direction, in, out}, kUtf8);
    EXPECT_EQ(r.status, 0) << c.name << " " << c.direction << ": " << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(readFile(out), c.output) << c.name << " " << c.direction;
  }
}

// ---------------------------------------------------------------- jsonl and a JSON parser

// Checks every line of a jsonl file with Python's JSON parser: strict UTF-8,
// one object per input line numbered from 1, entities in order inside the line
// with their fields; in UTF-8 mode each text is the input's bytes of its span
// (U+FFFD for what is ill-formed, as Python decodes them).
constexpr const char* kJsonChecker = R"(
import json, sys
jsonl, source, encoding = sys.argv[1], sys.argv[2], sys.argv[3]
raw = open(source, 'rb').read()
if encoding == 'UTF-8' and raw.startswith(b'\xef\xbb\xbf'):
    raw = raw[3:]
lines = raw.split(b'\n')
if lines and lines[-1] == b'':
    lines.pop()
out = open(jsonl, 'rb').read().split(b'\n')
assert out[-1] == b'', 'no line end after the last object'
out.pop()
assert len(out) == len(lines), (len(out), len(lines))
entities = 0
for n, (bytes_, line) in enumerate(zip(out, lines), 1):
    obj = json.loads(bytes_.decode('utf-8'))
    assert list(obj) == ['line', 'entities'] and obj['line'] == n, obj
    end = 0
    for e in obj['entities']:
        entities += 1
        assert set(e) in ({'start', 'end', 'kind', 'text', 'translation'},
                          {'start', 'end', 'kind', 'text', 'translation', 'candidate'}), e
        assert end <= e['start'] < e['end'] <= len(line), (n, e)
        if encoding == 'UTF-8':
            assert e['text'] == line[e['start']:e['end']].decode('utf-8', 'replace'), (n, e)
        end = e['end']
print(entities)
)";

std::string randomBytes(std::size_t size, unsigned seed) {
  std::mt19937 rng(seed);
  std::string out(size, '\0');
  for (char& c : out) c = static_cast<char>(rng() % 256);
  return out;
}

TEST(Utf8Files, EveryJsonLineParses) {
  const std::vector<std::string> python = test::pythonWith("json");
  if (python.empty()) GTEST_SKIP() << "no python3 here to parse the JSON with";
  TempDir dir;
  const std::string gbkChinese = example("chinese.txt"), gbkEnglish = example("english.txt");
  writeFile(dir.file("zh.gbk"), gbkChinese);
  writeFile(dir.file("en.gbk"), gbkEnglish);
  const std::string utf8Chinese = iconvToUtf8(dir.file("zh.gbk"));
  // Hostile bytes within the entities: pieces of both languages, quotes,
  // backslashes and control bytes, and random bytes.
  std::string hostile = u8"\uFEFF\"三点\" \\ 五点\t\x01 \x7F 😀 \xFF\xE4\xB8 \"ten\" to five\\ \x80 5 p.m.\n";
  hostile += randomBytes(64 * 1024, 7) + "\n" + randomBytes(64 * 1024, 8);
  const struct {
    const char* name;
    std::string input;
    const char* encoding;  // nullptr: GBK, unset
  } cases[] = {
      {"GBK examples", gbkChinese + gbkEnglish, nullptr},
      {"UTF-8 examples", utf8Chinese + gbkEnglish, "UTF-8"},
      {"hostile bytes read as GBK", hostile, nullptr},
      {"hostile bytes read as UTF-8", hostile, "UTF-8"},
  };
  for (const auto& c : cases) {
    for (const char* direction : {"-C2E", "-E2C"}) {
      SCOPED_TRACE(std::string(c.name) + " " + direction);
      const std::string in = dir.file("in.txt"), out = dir.file("out.jsonl");
      writeFile(in, c.input);
      ASSERT_EQ(runView({direction, "jsonl", in, out}, c.encoding).first, 0);
      const RunResult r = test::runPython(python, kJsonChecker, {out, in, c.encoding ? c.encoding : "GBK"});
      EXPECT_EQ(r.status, 0) << r.err.substr(0, 2000);
      // The examples hold entities in both directions; the check must see some.
      if (c.name[0] != 'h') {
        EXPECT_GT(std::atoi(r.out.c_str()), 20) << r.out;
      }
    }
  }
}

// The checker must reject what is not valid, or a pass means nothing.
TEST(Utf8Files, TheJsonCheckerRejectsBrokenLines) {
  const std::vector<std::string> python = test::pythonWith("json");
  if (python.empty()) GTEST_SKIP() << "no python3 here to parse the JSON with";
  TempDir dir;
  const std::string in = dir.file("in.txt"), out = dir.file("out.jsonl");
  writeFile(in, u8"三点\n");
  const std::string good = u8"{\"line\": 1, \"entities\": [{\"start\": 0, \"end\": 6, \"kind\": \"Clock\", "
                           u8"\"text\": \"三点\", \"translation\": \"three o'clock\"}]}\n";
  writeFile(out, good);
  EXPECT_EQ(test::runPython(python, kJsonChecker, {out, in, "UTF-8"}).status, 0);
  for (const std::string& bad :
       {std::string("{\"line\": 1, \"entities\": [}\n"), std::string("{\"line\": 1, \"entities\": []}"),
        std::string("{\"line\": 1, \"entities\": [{\"start\": 0, \"end\": 6, \"kind\": \"Clock\", \"text\": \"\xC8\xFD\", "
                    "\"translation\": \"x\"}]}\n"),
        std::string(u8"{\"line\": 1, \"entities\": [{\"start\": 0, \"end\": 3, \"kind\": \"Clock\", \"text\": \"三点\", "
                    u8"\"translation\": \"x\"}]}\n"),
        std::string("{\"line\": 1, \"entities\": [{\"start\": 0, \"end\": 6, \"kind\": \"C\tk\", \"text\": \"x\", "
                    "\"translation\": \"x\"}]}\n")}) {
    writeFile(out, bad);
    EXPECT_NE(test::runPython(python, kJsonChecker, {out, in, "UTF-8"}).status, 0) << bad;
  }
}

// ---------------------------------------------------------------- raw Chinese through jieba

// The README's pipeline for unsegmented Chinese: jieba puts the spaces the
// Chinese rules need between the words, then vestrilo reads the UTF-8 it writes.
TEST(Utf8Files, RawChineseSegmentedByJieba) {
  const std::vector<std::string> python = test::pythonWith("jieba");
  if (python.empty()) GTEST_SKIP() << "python3-jieba is not installed: the raw Chinese pipeline is not tested";
  TempDir dir;
  const std::string raw = dir.file("raw.txt"), segmented = dir.file("segmented.txt"), out = dir.file("out.txt");
  writeFile(raw, u8"会议于三点开始。\n今天是2004年5月1日，星期六。\n他买了三百五十本书，花了百分之二十的钱。\n第三个人在十点半到达。\n");
  std::vector<std::string> args = {"-m", "jieba", "-d", " ", raw};
  std::vector<std::string> command(python.begin() + 1, python.end());
  command.insert(command.end(), args.begin(), args.end());
  const RunResult segment = test::runProgram(python.front(), command);
  ASSERT_EQ(segment.status, 0) << segment.err;
  writeFile(segmented, segment.out);
  const RunResult r = test::runVestrilo({"-C2E", segmented, out}, kUtf8);
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string pairs = readFile(out);
  // Unsegmented, none of these is found: the rules need the spaces.
  for (const char* pair : {u8"三点 ||| three o'clock\n", u8"星期六 ||| Saturday\n",
                           u8"三百五十 ||| three hundred and fifty\n", u8"百分之二十 ||| 20%\n", u8"第三 ||| third\n"})
    EXPECT_NE(pairs.find(pair), std::string::npos) << pair << "in:\n" << pairs << "segmented:\n" << segment.out;
}

}  // namespace
}  // namespace vestrilo
