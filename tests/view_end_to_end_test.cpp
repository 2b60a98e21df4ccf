// vestrilo-view end to end: arguments, files and every format of both
// directions and encodings, run in process through runVestriloView. Literals:
// "..." is GBK here, u8"..." UTF-8 (the jsonl format and UTF-8 mode).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/EmittedPairs.h"
#include "driver/View.h"
#include "tests/TestSupport.h"

namespace vestrilo {
namespace {

using test::fileExists;
using test::readFile;
using test::TempDir;
using test::writeFile;

struct ViewRun {
  int status = 0;
  std::string out, err;
};

std::string drain(std::FILE* f) {
  std::string s;
  std::rewind(f);
  char buf[4096];
  for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) s.append(buf, n);
  std::fclose(f);
  return s;
}

// Runs the viewer with VESTRILO_ENCODING set to `encoding` (unset for nullptr).
ViewRun view(std::vector<std::string> args, const char* encoding = nullptr) {
  args.insert(args.begin(), "vestrilo-view");
  std::vector<const char*> argv;
  for (const std::string& a : args) argv.push_back(a.c_str());
  std::FILE* out = std::tmpfile();
  std::FILE* err = std::tmpfile();
  ViewRun r;
  if (encoding)
    setenv("VESTRILO_ENCODING", encoding, 1);
  else
    unsetenv("VESTRILO_ENCODING");
  r.status = runVestriloView(static_cast<int>(argv.size()), argv.data(), out, err);
  unsetenv("VESTRILO_ENCODING");
  r.out = drain(out);
  r.err = drain(err);
  return r;
}

const std::string kUsage = "Usage: vestrilo-view -C2E|-E2C FORMAT infile outfile\n";
const std::string kBanner = "Oskelund Documents Preprocessing - Num&Time Recognition and Translation\n";
const std::string kDone = "\nOk! Job has been done!\n";

std::string htmlDocument(const std::string& direction, const std::string& format, const std::string& body,
                         const std::string& charset = "GBK") {
  return "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"" + charset + "\">\n<title>Vestrilo " + direction + " " +
         format + "</title>\n</head>\n<body>\n" + body + "</body>\n</html>\n";
}

class View : public ::testing::Test {
 protected:
  TempDir dir;
  const std::string in = dir.file("in.txt"), out = dir.file("out.txt");
};

TEST_F(View, WrongArgumentsGiveTheUsage) {
  writeFile(in, "三点\n");
  struct Case {
    std::vector<std::string> args;
    std::string message;
  } cases[] = {
      {{}, "Error: 5 parameters are needed"},
      {{"-C2E", in, out}, "Error: 5 parameters are needed"},  // the batch tool's arguments
      {{"-C2E", "tags", in, out, "x"}, "Error: 5 parameters are needed"},
      {{"-c2e", "tags", in, out}, "Error: the 1st parameter should be \"-C2E\" or \"-E2C\""},
      {{"tags", "-C2E", in, out}, "Error: the 1st parameter should be \"-C2E\" or \"-E2C\""},
      {{"-E2C", "HTML", in, out}, "Error: the 2nd parameter should be one of"},
      {{"-E2C", "pairs", in, out}, "Error: the 2nd parameter should be one of"},
      {{"-E2C", "", in, out}, "Error: the 2nd parameter should be one of"},
      {{"-E2C", "json", in, out}, "Error: the 2nd parameter should be one of"},
  };
  for (const Case& c : cases) {
    const ViewRun r = view(c.args);
    EXPECT_EQ(r.status, -1);
    EXPECT_EQ(r.err.rfind(c.message, 0), 0u) << r.err;
    EXPECT_NE(r.err.find(kUsage), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("translated-html"), std::string::npos);
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(fileExists(out));
  }
}

TEST_F(View, FileErrorsAreThoseOfTheBatchTool) {
  writeFile(in, "三点\n");
  {
    const ViewRun r = view({"-C2E", "html", dir.file("missing.txt"), out});
    EXPECT_EQ(r.status, -1);
    EXPECT_EQ(r.err, "Error: unable to open input file!\n");
    EXPECT_FALSE(fileExists(out));
  }
  {
    const ViewRun r = view({"-E2C", "tags", in, dir.file("no/such/dir/out.txt")});
    EXPECT_EQ(r.status, -1);
    EXPECT_EQ(r.err, "Error: unable to open output file!\n");
    EXPECT_EQ(r.out, "");
  }
  {
    // A directory opens but cannot be read: that is not a successful run.
    const ViewRun r = view({"-E2C", "tags", dir.path(), out});
    EXPECT_EQ(r.status, -1);
    EXPECT_EQ(r.err, "Error: unable to read input file!\n");
  }
  if (fileExists("/dev/full")) {
    const ViewRun r = view({"-C2E", "html", in, "/dev/full"});
    EXPECT_EQ(r.status, -1);
    EXPECT_EQ(r.err, "Error: unable to write output file!\n");
  }
  {
    // An unknown encoding is an error before any file is touched, after the arguments.
    std::remove(out.c_str());
    const ViewRun r = view({"-C2E", "jsonl", dir.file("missing.txt"), out}, "latin1");
    EXPECT_EQ(r.status, -1);
    EXPECT_EQ(r.err, "Error: VESTRILO_ENCODING must be GBK or UTF-8\n");
    EXPECT_FALSE(fileExists(out));
    EXPECT_EQ(view({"-C2E", "xml", in, out}, "latin1").err.rfind("Error: the 2nd parameter", 0), 0u);
  }
  {
    // So is an unknown rule set, after the encoding.
    setenv("VESTRILO_RULES", "newest", 1);
    const ViewRun r = view({"-C2E", "jsonl", in, out});
    EXPECT_EQ(r.status, -1);
    EXPECT_EQ(r.err, "Error: VESTRILO_RULES must be classic or extended\n");
    EXPECT_FALSE(fileExists(out));
    EXPECT_EQ(view({"-C2E", "jsonl", in, out}, "latin1").err, "Error: VESTRILO_ENCODING must be GBK or UTF-8\n");
    unsetenv("VESTRILO_RULES");
  }
}

const std::string kChinese = "今天 是 2004年5月1日\n\n会议 于 三点 开始\r\n三点";
const std::string kEnglish = "It is Ten  past Five.\nHello, world!\n\nten to five\r\nten to five";
const std::string kChineseUtf8 = u8"\uFEFF今天 😀 是 2004年5月1日\n\n会议 于 三点 开始\r\n\xFF 三点";
const std::string kFF = "\xFF";
const std::string kEnglishUtf8 = u8"It is Ten  past Five 😀.\nHello, wörld!\n\nten to five\r\nten to five";
// The jsonl of both English inputs: the emoji and ö lie outside every entity.
const std::string kEnglishJsonl =
    u8"{\"line\": 1, \"entities\": [{\"start\": 6, \"end\": 20, \"kind\": \"Clock\", \"text\": \"Ten  past Five\", "
    u8"\"translation\": \"五点 十分\"}]}\n"
    u8"{\"line\": 2, \"entities\": []}\n"
    u8"{\"line\": 3, \"entities\": []}\n"
    u8"{\"line\": 4, \"entities\": [{\"start\": 0, \"end\": 11, \"kind\": \"FigureOrClock\", \"text\": \"ten to five\", "
    u8"\"translation\": \"十 到 五\", \"candidate\": \"差 十分 五点\"}]}\n"
    u8"{\"line\": 5, \"entities\": [{\"start\": 0, \"end\": 11, \"kind\": \"FigureOrClock\", \"text\": \"ten to five\", "
    u8"\"translation\": \"十 到 五\", \"candidate\": \"差 十分 五点\"}]}\n";

TEST_F(View, EveryFormatOfEitherDirection) {
  struct Case {
    std::string direction, format, input, expected;
    const char* encoding = nullptr;  // VESTRILO_ENCODING, unset by default
  } cases[] = {
      {"-C2E", "tags", kChinese,
       "今天 是 <Date>2004年5月1日<\\Date> \n"
       "\n"
       "会议 于 <Clock>三点<\\Clock> 开始 \n"
       "<Clock>三点<\\Clock> \n"},
      {"-C2E", "html", kChinese,
       htmlDocument("-C2E", "html",
                    "今天 是 <b style = \"color:green\">&#60Date>2004年5月1日<\\Date> </b><br/>\n"
                    "<br/>\n"
                    "会议 于 <b style = \"color:navy\">&#60Clock>三点<\\Clock> </b>开始 <br/>\n"
                    "<b style = \"color:navy\">&#60Clock>三点<\\Clock> </b><br/>\n")},
      {"-C2E", "translated-tags", kChinese,
       "今天 是 <Date>2004年5月1日 | 1st May 2004<\\Date> \n"
       "\n"
       "会议 于 <Clock>三点 | three o'clock<\\Clock> 开始 \n"
       "<Clock>三点 | three o'clock<\\Clock> \n"},
      {"-C2E", "translated-html", kChinese,
       htmlDocument("-C2E", "translated-html",
                    "今天 是 <b style = \"color:green\">&#60Date>2004年5月1日 | 1st May 2004<\\Date> </b><br/>\n"
                    "<br/>\n"
                    "会议 于 <b style = \"color:navy\">&#60Clock>三点 | three o'clock<\\Clock> </b>开始 <br/>\n"
                    "<b style = \"color:navy\">&#60Clock>三点 | three o'clock<\\Clock> </b><br/>\n")},
      // A pair already written for an earlier line is not repeated.
      {"-C2E", "pairs-html", kChinese,
       htmlDocument("-C2E", "pairs-html",
                    "<b style = \"color:green\">2004年5月1日 ||| 1st May 2004</b><br/><br/>\n"
                    "<br/>\n"
                    "<b style = \"color:navy\">三点 ||| three o'clock</b><br/><br/>\n"
                    "<br/>\n")},
      {"-E2C", "tags", kEnglish,
       "It is <CLOCK>Ten  past Five<\\CLOCK> . \n"
       "Hello , world ! \n"
       "\n"
       "<Figure>ten to five<\\Figure> (候选: <CLOCK>ten to five<\\CLOCK> )\n"
       "<Figure>ten to five<\\Figure> (候选: <CLOCK>ten to five<\\CLOCK> )\n"},
      {"-E2C", "html", kEnglish,
       htmlDocument("-E2C", "html",
                    "It is <b style=\"color:navy\">&#60CLOCK>Ten  past Five<\\CLOCK> </b>. <br/>\n"
                    "Hello , world ! <br/>\n"
                    "<br/>\n"
                    "<b style=\"color:maroon\">&#60FIGURE>ten to five<\\FIGURE> </b>"
                    "(候选: <b style=\"color:navy\">&#60CLOCK>ten to five<\\CLOCK> </b>)<br/>\n"
                    "<b style=\"color:maroon\">&#60FIGURE>ten to five<\\FIGURE> </b>"
                    "(候选: <b style=\"color:navy\">&#60CLOCK>ten to five<\\CLOCK> </b>)<br/>\n")},
      {"-E2C", "translated-tags", kEnglish,
       "It is <Clock>Ten  past Five|||五点 十分<\\Clock>.\n"
       "Hello, world!\n"
       "\n"
       "<Figure>ten to five|||十 到 五<\\Figure>(候选: <Clock>ten to five|||差 十分 五点<\\Clock>)\n"
       "<Figure>ten to five|||十 到 五<\\Figure>(候选: <Clock>ten to five|||差 十分 五点<\\Clock>)\n"},
      {"-E2C", "translated-html", kEnglish,
       htmlDocument("-E2C", "translated-html",
                    "It is <b style=\"color:navy\">&#60Clock>Ten  past Five ||| 五点 十分<\\Clock></b>.<br/>\n"
                    "Hello, world!<br/>\n"
                    "<br/>\n"
                    "<b style=\"color:maroon\">&#60Figure>ten to five ||| 十 到 五<\\Figure></b>"
                    "(候选: <b style=\"color:navy\">&#60Clock>ten to five ||| 差 十分 五点<\\Clock></b>)<br/>\n"
                    "<b style=\"color:maroon\">&#60Figure>ten to five ||| 十 到 五<\\Figure></b>"
                    "(候选: <b style=\"color:navy\">&#60Clock>ten to five ||| 差 十分 五点<\\Clock></b>)<br/>\n")},
      {"-E2C", "pairs-html", kEnglish,
       htmlDocument("-E2C", "pairs-html",
                    "<b style=\"color:navy\">Ten  past Five ||| 五点 十分</b><br/>\n<br/>\n"
                    "<br/>\n"
                    "<br/>\n"
                    "<b style=\"color:maroon\">ten to five ||| 十 到 五</b><br/>\n"
                    "<b style=\"color:navy\">ten to five ||| 差 十分 五点</b><br/>\n<br/>\n"
                    "<br/>\n")},
      // JSON Lines: byte spans in the GBK line, texts converted to UTF-8.
      {"-C2E", "jsonl", kChinese,
       u8"{\"line\": 1, \"entities\": [{\"start\": 8, \"end\": 20, \"kind\": \"Date\", \"text\": \"2004年5月1日\", "
       u8"\"translation\": \"1st May 2004\"}]}\n"
       u8"{\"line\": 2, \"entities\": []}\n"
       u8"{\"line\": 3, \"entities\": [{\"start\": 8, \"end\": 12, \"kind\": \"Clock\", \"text\": \"三点\", "
       u8"\"translation\": \"three o'clock\"}]}\n"
       u8"{\"line\": 4, \"entities\": [{\"start\": 0, \"end\": 4, \"kind\": \"Clock\", \"text\": \"三点\", "
       u8"\"translation\": \"three o'clock\"}]}\n"},
      {"-E2C", "jsonl", kEnglish, kEnglishJsonl},
      // UTF-8: what the renderings show of the line are its own bytes, an emoji
      // and an ill-formed byte included; the byte-order mark is skipped.
      {"-C2E", "tags", kChineseUtf8,
       u8"今天 😀 是 <Date>2004年5月1日<\\Date> \n"
       "\n"
       u8"会议 于 <Clock>三点<\\Clock> 开始 \n" +
           kFF + u8" <Clock>三点<\\Clock> \n",
       "UTF-8"},
      {"-C2E", "html", kChineseUtf8,
       htmlDocument("-C2E", "html",
                    u8"今天 😀 是 <b style = \"color:green\">&#60Date>2004年5月1日<\\Date> </b><br/>\n"
                    "<br/>\n"
                    u8"会议 于 <b style = \"color:navy\">&#60Clock>三点<\\Clock> </b>开始 <br/>\n" +
                        kFF + u8" <b style = \"color:navy\">&#60Clock>三点<\\Clock> </b><br/>\n",
                    "UTF-8"),
       "UTF-8"},
      {"-C2E", "translated-tags", kChineseUtf8,
       u8"今天 😀 是 <Date>2004年5月1日 | 1st May 2004<\\Date> \n"
       "\n"
       u8"会议 于 <Clock>三点 | three o'clock<\\Clock> 开始 \n" +
           kFF + u8" <Clock>三点 | three o'clock<\\Clock> \n",
       "UTF-8"},
      {"-C2E", "translated-html", kChineseUtf8,
       htmlDocument("-C2E", "translated-html",
                    u8"今天 😀 是 <b style = \"color:green\">&#60Date>2004年5月1日 | 1st May 2004<\\Date> </b><br/>\n"
                    "<br/>\n"
                    u8"会议 于 <b style = \"color:navy\">&#60Clock>三点 | three o'clock<\\Clock> </b>开始 <br/>\n" +
                        kFF + u8" <b style = \"color:navy\">&#60Clock>三点 | three o'clock<\\Clock> </b><br/>\n",
                    "UTF-8"),
       "UTF-8"},
      {"-C2E", "pairs-html", kChineseUtf8,
       htmlDocument("-C2E", "pairs-html",
                    u8"<b style = \"color:green\">2004年5月1日 ||| 1st May 2004</b><br/><br/>\n"
                    "<br/>\n"
                    u8"<b style = \"color:navy\">三点 ||| three o'clock</b><br/><br/>\n"
                    "<br/>\n",
                    "UTF-8"),
       "UTF-8"},
      // Offsets are those of the UTF-8 line after the byte-order mark.
      {"-C2E", "jsonl", kChineseUtf8,
       u8"{\"line\": 1, \"entities\": [{\"start\": 16, \"end\": 31, \"kind\": \"Date\", \"text\": \"2004年5月1日\", "
       u8"\"translation\": \"1st May 2004\"}]}\n"
       u8"{\"line\": 2, \"entities\": []}\n"
       u8"{\"line\": 3, \"entities\": [{\"start\": 11, \"end\": 17, \"kind\": \"Clock\", \"text\": \"三点\", "
       u8"\"translation\": \"three o'clock\"}]}\n"
       u8"{\"line\": 4, \"entities\": [{\"start\": 2, \"end\": 8, \"kind\": \"Clock\", \"text\": \"三点\", "
       u8"\"translation\": \"three o'clock\"}]}\n",
       "UTF-8"},
      {"-E2C", "tags", kEnglishUtf8,
       u8"It is <CLOCK>Ten  past Five<\\CLOCK> 😀 . \n"
       u8"Hello , wörld ! \n"
       "\n"
       u8"<Figure>ten to five<\\Figure> (候选: <CLOCK>ten to five<\\CLOCK> )\n"
       u8"<Figure>ten to five<\\Figure> (候选: <CLOCK>ten to five<\\CLOCK> )\n",
       "UTF-8"},
      {"-E2C", "html", kEnglishUtf8,
       htmlDocument("-E2C", "html",
                    u8"It is <b style=\"color:navy\">&#60CLOCK>Ten  past Five<\\CLOCK> </b>😀 . <br/>\n"
                    u8"Hello , wörld ! <br/>\n"
                    "<br/>\n"
                    u8"<b style=\"color:maroon\">&#60FIGURE>ten to five<\\FIGURE> </b>"
                    u8"(候选: <b style=\"color:navy\">&#60CLOCK>ten to five<\\CLOCK> </b>)<br/>\n"
                    u8"<b style=\"color:maroon\">&#60FIGURE>ten to five<\\FIGURE> </b>"
                    u8"(候选: <b style=\"color:navy\">&#60CLOCK>ten to five<\\CLOCK> </b>)<br/>\n",
                    "UTF-8"),
       "UTF-8"},
      {"-E2C", "translated-tags", kEnglishUtf8,
       u8"It is <Clock>Ten  past Five|||五点 十分<\\Clock> 😀.\n"
       u8"Hello, wörld!\n"
       "\n"
       u8"<Figure>ten to five|||十 到 五<\\Figure>(候选: <Clock>ten to five|||差 十分 五点<\\Clock>)\n"
       u8"<Figure>ten to five|||十 到 五<\\Figure>(候选: <Clock>ten to five|||差 十分 五点<\\Clock>)\n",
       "UTF-8"},
      {"-E2C", "translated-html", kEnglishUtf8,
       htmlDocument("-E2C", "translated-html",
                    u8"It is <b style=\"color:navy\">&#60Clock>Ten  past Five ||| 五点 十分<\\Clock></b> 😀.<br/>\n"
                    u8"Hello, wörld!<br/>\n"
                    "<br/>\n"
                    u8"<b style=\"color:maroon\">&#60Figure>ten to five ||| 十 到 五<\\Figure></b>"
                    u8"(候选: <b style=\"color:navy\">&#60Clock>ten to five ||| 差 十分 五点<\\Clock></b>)<br/>\n"
                    u8"<b style=\"color:maroon\">&#60Figure>ten to five ||| 十 到 五<\\Figure></b>"
                    u8"(候选: <b style=\"color:navy\">&#60Clock>ten to five ||| 差 十分 五点<\\Clock></b>)<br/>\n",
                    "UTF-8"),
       "UTF-8"},
      {"-E2C", "pairs-html", kEnglishUtf8,
       htmlDocument("-E2C", "pairs-html",
                    u8"<b style=\"color:navy\">Ten  past Five ||| 五点 十分</b><br/>\n<br/>\n"
                    "<br/>\n"
                    "<br/>\n"
                    u8"<b style=\"color:maroon\">ten to five ||| 十 到 五</b><br/>\n"
                    u8"<b style=\"color:navy\">ten to five ||| 差 十分 五点</b><br/>\n<br/>\n"
                    "<br/>\n",
                    "UTF-8"),
       "UTF-8"},
      {"-E2C", "jsonl", kEnglishUtf8, kEnglishJsonl, "UTF-8"},
  };
  for (const Case& c : cases) {
    writeFile(in, c.input);
    const ViewRun r = view({c.direction, c.format, in, out}, c.encoding);
    EXPECT_EQ(r.status, 0) << c.direction << " " << c.format << ": " << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, kBanner + "\nProcessing Line 1\nProcessing Line 2\nProcessing Line 3\nProcessing Line 4" +
                         (c.direction == "-E2C" ? "\nProcessing Line 5" : "") + kDone);
    EXPECT_EQ(readFile(out), c.expected) << c.direction << " " << c.format;
  }
}

TEST_F(View, EmptyInput) {
  writeFile(in, "");
  for (const char* format : {"tags", "translated-tags"}) {
    const ViewRun r = view({"-E2C", format, in, out});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, kBanner + kDone);
    EXPECT_EQ(readFile(out), "");
  }
  for (const char* format : {"html", "translated-html", "pairs-html"}) {
    const ViewRun r = view({"-C2E", format, in, out});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(readFile(out), htmlDocument("-C2E", format, ""));
  }
}

// The pair lines of a pairs-html document, unwrapped: "source ||| translation\n" each.
std::string unwrapPairs(const std::string& html) {
  std::string pairs;
  for (std::size_t at = html.find("<b style"); at != std::string::npos; at = html.find("<b style", at)) {
    const std::size_t begin = html.find("\">", at) + 2;
    const std::size_t end = html.find("</b><br/>", begin);
    std::string text = html.substr(begin, end - begin);
    for (const auto& [ref, c] : {std::pair<std::string, char>{"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'}})
      for (std::size_t p; (p = text.find(ref)) != std::string::npos;) text.replace(p, ref.size(), 1, c);
    pairs += text + "\n";
    at = end;
  }
  return pairs;
}

TEST_F(View, PairsHtmlHoldsThePairsOfTheBatchTool) {
  for (const char* direction : {"-C2E", "-E2C"}) {
    const std::string example =
        std::string(VESTRILO_SOURCE_DIR) + (direction[1] == 'C' ? "/examples/chinese.txt" : "/examples/english.txt");
    ASSERT_TRUE(fileExists(example)) << example;
    ASSERT_EQ(view({direction, "pairs-html", example, out}).status, 0);
    const std::string html = readFile(out);
    const std::string pairsFile = dir.file("pairs.txt");
    const char* args[] = {"vestrilo", direction, example.c_str(), pairsFile.c_str()};
    std::FILE* console = std::tmpfile();
    ASSERT_EQ(runVestrilo(4, args, console, console), 0);
    std::fclose(console);
    const std::string pairs = readFile(pairsFile);
    EXPECT_NE(pairs, "");
    EXPECT_EQ(unwrapPairs(html), pairs) << direction;
  }
}

// Any bytes are valid input: every format finishes, and the plain formats write
// exactly one line per input line.
TEST_F(View, HostileBytes) {
  std::string bytes = "\x81\n<b>&amp; 3\n";
  bytes += std::string("\0\x01\x7f\xff\xfe 5\t\r\n", 11);
  bytes += "ten to\x80 five \xd0\n";
  bytes += "\xb5\xe3 \xc8\xfd\xb5\xe3 12:30 \xa3\xac \xa1\xa3";  // 点 三点 12:30 ， 。 without a line end
  writeFile(in, bytes);
  for (const char* direction : {"-C2E", "-E2C"}) {
    for (const char* format : {"tags", "html", "translated-tags", "translated-html", "pairs-html", "jsonl"}) {
      const ViewRun r = view({direction, format, in, out});
      EXPECT_EQ(r.status, 0) << direction << " " << format;
      const std::string written = readFile(out);
      ViewFormat f;
      ASSERT_TRUE(parseViewFormat(format, f));
      if (isHtmlFormat(f)) {
        EXPECT_EQ(written.rfind("<!DOCTYPE html>\n", 0), 0u);
        EXPECT_EQ(written.substr(written.size() - 16), "</body>\n</html>\n");
      } else {
        std::size_t lines = 0;
        for (char c : written) lines += c == '\n';
        EXPECT_EQ(lines, 5u) << direction << " " << format;
      }
    }
  }
}

TEST_F(View, RenderRunsTheStagesOfTheDirection) {
  EXPECT_EQ(Extractor(Direction::ChineseToEnglish, Options{Encoding::GBK}).render("会议 于 三点 开始", Rendering::Tags),
            "会议 于 <Clock>三点<\\Clock> 开始 ");
  EXPECT_EQ(Extractor(Direction::EnglishToChinese, Options{Encoding::GBK}).render("We meet at half past five .", Rendering::Tags),
            "We meet at <CLOCK>half past five<\\CLOCK> . ");
  ViewFormat f;
  EXPECT_TRUE(parseViewFormat("pairs-html", f));
  EXPECT_EQ(f.rendering, Rendering::PairsHtml);
  EXPECT_FALSE(f.json);
  EXPECT_TRUE(isHtmlFormat(f));
  EXPECT_TRUE(parseViewFormat("jsonl", f));
  EXPECT_TRUE(f.json);
  EXPECT_FALSE(isHtmlFormat(f));
  EXPECT_FALSE(isHtmlFormat(ViewFormat{false, Rendering::TranslatedTags}));
}

}  // namespace
}  // namespace vestrilo
