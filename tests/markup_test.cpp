// Recognition markup of both directions over hand-built entity lists, so that
// the framing is tested apart from recognition.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chinese/ChineseSentence.h"
#include "chinese/ChineseStyle.h"
#include "core/SentenceOutput.h"
#include "english/EnglishSentence.h"
#include "english/EnglishStyle.h"

namespace vestrilo {
namespace {

using CK = ChineseEntityKind;
using EK = EnglishEntityKind;

ChineseSentence chinese(const std::string& line, const std::vector<ChineseEntity>& records) {
  ChineseSentence s(line);
  for (const ChineseEntity& e : records) s.entities.push_back(e);
  return s;
}

EnglishSentence english(const std::string& line, const std::vector<EnglishEntity>& records) {
  EnglishSentence s(line);
  for (const EnglishEntity& e : records) s.entities.push_back(e);
  return s;
}

// Offset and length of `piece` in `line`, as a record of kind `kind`.
template <class Entity, class Kind>
Entity at(const std::string& line, const std::string& piece, Kind kind) {
  const std::size_t p = line.find(piece);
  EXPECT_NE(p, std::string::npos) << piece;
  return Entity{static_cast<std::int32_t>(p), static_cast<std::int32_t>(piece.size()), kind};
}
ChineseEntity cat(const std::string& line, const std::string& piece, CK kind) {
  return at<ChineseEntity>(line, piece, kind);
}
EnglishEntity eat(const std::string& line, const std::string& piece, EK kind) {
  return at<EnglishEntity>(line, piece, kind);
}

// --- Chinese -----------------------------------------------------------------

TEST(ChineseMarkup, DateSentence) {
  const std::string line = "今天 是 2004年5月1日";
  const ChineseSentence s = chinese(
      line, {cat(line, "今天", CK::Plain), cat(line, "是", CK::Plain), cat(line, "2004年5月1日", CK::Date)});
  EXPECT_EQ(markup(s, MarkupForm::Tags), "今天 是 <Date>2004年5月1日<\\Date> ");
  EXPECT_EQ(markup(s, MarkupForm::Html), "今天 是 <b style = \"color:green\">&#60Date>2004年5月1日<\\Date> </b>");
}

TEST(ChineseMarkup, EveryKindHasItsTagAndColour) {
  struct Case {
    CK kind;
    const char* tags;
    const char* html;
  } cases[] = {
      {CK::Ordinal, "<Ordinal>X<\\Ordinal> ", "<b style = \"color:red\">&#60Ordinal>X<\\Ordinal> </b>"},
      {CK::Clock, "<Clock>X<\\Clock> ", "<b style = \"color:navy\">&#60Clock>X<\\Clock> </b>"},
      {CK::Date, "<Date>X<\\Date> ", "<b style = \"color:green\">&#60Date>X<\\Date> </b>"},
      {CK::Week, "<Week>X<\\Week> ", "<b style = \"color:blue\">&#60Week>X<\\Week> </b>"},
      {CK::Number, "<Number>X<\\Number> ", "<b style = \"color:olive\">&#60Number>X<\\Number> </b>"},
      {CK::ArabicWithUnit, "<Number>X<\\Number> ", "<b style = \"color:olive\">&#60Number>X<\\Number> </b>"},
      {CK::Fractional, "<Number>X<\\Number> ", "<b style = \"color:olive\">&#60Number>X<\\Number> </b>"},
      {CK::Figure, "<Figure>X<\\Figure> ", "<b style = \"color:maroon\">&#60Figure>X<\\Figure> </b>"},
      {CK::Arabic, "<Arabic>X<\\Arabic> ", "<b style = \"color:teal\">&#60Arabic>X<\\Arabic> </b>"},
      {CK::Plain, "X ", "X "},
      {CK::Latin, "X ", "X "},
  };
  for (const Case& c : cases) {
    const ChineseSentence s = chinese("X", {{0, 1, c.kind}});
    EXPECT_EQ(markup(s, MarkupForm::Tags), c.tags) << static_cast<int>(c.kind);
    EXPECT_EQ(markup(s, MarkupForm::Html), c.html) << static_cast<int>(c.kind);
  }
}

TEST(ChineseMarkup, OnlyRecordsAreCopied) {
  struct Case {
    const char* name;
    std::string line;
    std::vector<ChineseEntity> records;
    std::string tags;
  } cases[] = {
      {"empty line", "", {}, ""},
      {"blanks only", "   ", {}, ""},
      {"5万 is a number", "有 5万 人", {{0, 2, CK::Plain}, {3, 3, CK::ArabicWithUnit}, {7, 2, CK::Plain}},
       "有 <Number>5万<\\Number> 人 "},
      // Inner blanks of a merged record stay; runs of blanks and the CR between
      // records do not.
      {"inner blank kept", "三 百   人\r", {{0, 5, CK::Number}, {8, 2, CK::Plain}}, "<Number>三 百<\\Number> 人 "},
      {"latin and arabic", "GDP 增长 3.5%", {{0, 3, CK::Latin}, {4, 4, CK::Plain}, {9, 4, CK::Arabic}},
       "GDP 增长 <Arabic>3.5%<\\Arabic> "},
      // A record reaching past the line is cut at its end.
      {"clamped record", "三点", {{0, 40, CK::Clock}}, "<Clock>三点<\\Clock> "},
  };
  for (const Case& c : cases) {
    const ChineseSentence s = chinese(c.line, c.records);
    EXPECT_EQ(markup(s, MarkupForm::Tags), c.tags) << c.name;
  }
}

TEST(ChineseMarkup, HtmlShowsMarkupLikeTextAsItStands) {
  const std::string line = "<i>&</i> 3";
  const ChineseSentence s = chinese(line, {{0, 8, CK::Latin}, {9, 1, CK::Arabic}});
  EXPECT_EQ(markup(s, MarkupForm::Tags), "<i>&</i> <Arabic>3<\\Arabic> ");
  EXPECT_EQ(markup(s, MarkupForm::Html), "&lt;i&gt;&amp;&lt;/i&gt; <b style = \"color:teal\">&#60Arabic>3<\\Arabic> </b>");
}

// --- English -----------------------------------------------------------------

TEST(EnglishMarkup, SentenceExamples) {
  struct Case {
    const char* name;
    std::string line;
    std::vector<std::pair<std::string, EK>> pieces;
    std::string tags;
    std::string html;
  } cases[] = {
      {"merged clock keeps its separators",
       "It is Ten  past Five.",
       {{"It", EK::Plain}, {"is", EK::Plain}, {"Ten  past Five", EK::Clock}, {".", EK::Plain}},
       "It is <CLOCK>Ten  past Five<\\CLOCK> . ",
       "It is <b style=\"color:navy\">&#60CLOCK>Ten  past Five<\\CLOCK> </b>. "},
      {"no entity",
       "Hello, world!",
       {{"Hello", EK::Plain}, {",", EK::Plain}, {"world", EK::Plain}, {"!", EK::Plain}},
       "Hello , world ! ",
       "Hello , world ! "},
      {"figure or clock",
       "ten to five",
       {{"ten to five", EK::FigureOrClock}},
       "<Figure>ten to five<\\Figure> (候选: <CLOCK>ten to five<\\CLOCK> )",
       "<b style=\"color:maroon\">&#60FIGURE>ten to five<\\FIGURE> </b>"
       "(候选: <b style=\"color:navy\">&#60CLOCK>ten to five<\\CLOCK> </b>)"},
      {"clock or number, and what follows a second reading",
       "at Five sharp",
       {{"at", EK::Plain}, {"Five", EK::ClockOrNumber}, {"sharp", EK::Plain}},
       "at <CLOCK>Five<\\CLOCK> (候选: <NUMBER>Five<\\NUMBER> )sharp ",
       "at <b style=\"color:navy\">&#60CLOCK>Five<\\CLOCK> </b>"
       "(候选: <b style=\"color:olive\">&#60NUMBER>Five<\\NUMBER> </b>)sharp "},
      {"empty line", "", {}, "", ""},
  };
  for (const Case& c : cases) {
    std::vector<EnglishEntity> records;
    for (const auto& [piece, kind] : c.pieces) records.push_back(eat(c.line, piece, kind));
    const EnglishSentence s = english(c.line, records);
    EXPECT_EQ(markup(s, MarkupForm::Tags), c.tags) << c.name;
    EXPECT_EQ(markup(s, MarkupForm::Html), c.html) << c.name;
  }
}

TEST(EnglishMarkup, EveryKindHasItsTagAndColour) {
  struct Case {
    EK kind;
    const char* tags;
    const char* html;
  } cases[] = {
      {EK::Ordinal, "<ORDINAL>X<\\ORDINAL> ", "<b style=\"color:red\">&#60ORDINAL>X<\\ORDINAL> </b>"},
      {EK::Clock, "<CLOCK>X<\\CLOCK> ", "<b style=\"color:navy\">&#60CLOCK>X<\\CLOCK> </b>"},
      {EK::MonthDate, "<DATE>X<\\DATE> ", "<b style=\"color:green\">&#60DATE>X<\\DATE> </b>"},
      {EK::DayDate, "<DATE>X<\\DATE> ", "<b style=\"color:green\">&#60DATE>X<\\DATE> </b>"},
      {EK::Week, "<WEEK>X<\\WEEK> ", "<b style=\"color:blue\">&#60WEEK>X<\\WEEK> </b>"},
      {EK::Units, "<NUMBER>X<\\NUMBER> ", "<b style=\"color:olive\">&#60NUMBER>X<\\NUMBER> </b>"},
      {EK::Tens, "<NUMBER>X<\\NUMBER> ", "<b style=\"color:olive\">&#60NUMBER>X<\\NUMBER> </b>"},
      {EK::WordNumber, "<NUMBER>X<\\NUMBER> ", "<b style=\"color:olive\">&#60NUMBER>X<\\NUMBER> </b>"},
      {EK::Fraction, "<NUMBER>X<\\NUMBER> ", "<b style=\"color:olive\">&#60NUMBER>X<\\NUMBER> </b>"},
      {EK::ArabicMagnitude, "<NUMBER>X<\\NUMBER> ", "<b style=\"color:olive\">&#60NUMBER>X<\\NUMBER> </b>"},
      {EK::Arabic, "<ARBIAL>X<\\ARBIAL> ", "<b style=\"color:teal\">&#60ARBIAL>X<\\ARBIAL> </b>"},
      {EK::Figure, "<Figure>X<\\Figure> ", "<b style=\"color:maroon\">&#60FIGURE>X<\\FIGURE> </b>"},
      {EK::Magnitude, "X ", "X "},
      {EK::Plain, "X ", "X "},
  };
  for (const Case& c : cases) {
    const EnglishSentence s = english("X", {{0, 1, c.kind}});
    EXPECT_EQ(markup(s, MarkupForm::Tags), c.tags) << static_cast<int>(c.kind);
    EXPECT_EQ(markup(s, MarkupForm::Html), c.html) << static_cast<int>(c.kind);
  }
}

TEST(EnglishMarkup, TextComesFromTheLineAsTyped) {
  // The lower-cased working copy is not what the markup shows.
  EnglishSentence s = english("Twenty Five", {{0, 11, EK::Units}});
  s.lowered = "twenty-five";
  EXPECT_EQ(markup(s, MarkupForm::Tags), "<NUMBER>Twenty Five<\\NUMBER> ");
}

TEST(EnglishMarkup, HtmlShowsMarkupLikeTextAsItStands) {
  const std::string line = "AT&T <b> 5";
  const EnglishSentence s = english(line, {{0, 4, EK::Plain}, {5, 3, EK::Plain}, {9, 1, EK::Arabic}});
  EXPECT_EQ(markup(s, MarkupForm::Tags), "AT&T <b> <ARBIAL>5<\\ARBIAL> ");
  EXPECT_EQ(markup(s, MarkupForm::Html), "AT&amp;T &lt;b&gt; <b style=\"color:teal\">&#60ARBIAL>5<\\ARBIAL> </b>");
}

}  // namespace
}  // namespace vestrilo
