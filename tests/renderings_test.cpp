// The alternative renderings of both directions (whole sentence with plain or
// HTML tags, HTML pair lines) over hand-built entity lists; translations come
// from the real translators.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "chinese/ChineseSentence.h"
#include "chinese/ChineseStyle.h"
#include "core/EmittedPairs.h"
#include "core/SentenceOutput.h"
#include "english/EnglishSentence.h"
#include "english/EnglishStyle.h"
#include "vestrilo/vestrilo.h"

namespace vestrilo {
namespace {

using CK = ChineseEntityKind;
using EK = EnglishEntityKind;

// A sentence whose records are the given pieces of the line, found left to right.
template <class Sentence, class Entity, class Kind>
Sentence build(const std::string& line, const std::vector<std::pair<std::string, Kind>>& pieces) {
  Sentence s(line);
  std::size_t from = 0;
  for (const auto& [piece, kind] : pieces) {
    const std::size_t p = line.find(piece, from);
    EXPECT_NE(p, std::string::npos) << piece;
    if (p == std::string::npos) continue;
    s.entities.push_back(Entity{static_cast<std::int32_t>(p), static_cast<std::int32_t>(piece.size()), kind});
    from = p + piece.size();
  }
  if constexpr (std::is_same_v<Sentence, EnglishSentence>) {
    for (char& c : s.lowered)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  }
  return s;
}
ChineseSentence chinese(const std::string& line, const std::vector<std::pair<std::string, CK>>& pieces) {
  return build<ChineseSentence, ChineseEntity>(line, pieces);
}
EnglishSentence english(const std::string& line, const std::vector<std::pair<std::string, EK>>& pieces) {
  return build<EnglishSentence, EnglishEntity>(line, pieces);
}

class Renderings : public ::testing::Test {
 protected:
  EmittedPairs registry;  // the run's registry, fresh for each test
};

// --- Chinese -----------------------------------------------------------------

TEST_F(Renderings, ChineseWholeSentence) {
  struct Case {
    const char* name;
    std::string line;
    std::vector<std::pair<std::string, CK>> pieces;
    std::string tagged;
    std::string html;
  } cases[] = {
      {"date sentence",
       "今天 是 2004年5月1日",
       {{"今天", CK::Plain}, {"是", CK::Plain}, {"2004年5月1日", CK::Date}},
       "今天 是 <Date>2004年5月1日 | 1st May 2004<\\Date> ",
       "今天 是 <b style = \"color:green\">&#60Date>2004年5月1日 | 1st May 2004<\\Date> </b>"},
      // Arabic records show their punctuation made ASCII, without bars or source.
      {"arabic record",
       "共 1，000 人\r",
       {{"共", CK::Plain}, {"1，000", CK::Arabic}, {"人", CK::Plain}},
       "共 <Arabic>1,000<\\Arabic> 人 ",
       "共 <b style = \"color:teal\">&#60Arabic>1,000<\\Arabic> </b>人 "},
      // The source keeps its inner blank; the translator sees the text without it.
      {"inner blank, latin, clock",
       "三 百 GDP   三点",
       {{"三 百", CK::Number}, {"GDP", CK::Latin}, {"三点", CK::Clock}},
       "<Number>三 百 | three hundred<\\Number> GDP <Clock>三点 | three o'clock<\\Clock> ",
       "<b style = \"color:olive\">&#60Number>三 百 | three hundred<\\Number> </b>GDP "
       "<b style = \"color:navy\">&#60Clock>三点 | three o'clock<\\Clock> </b>"},
      {"empty line", "", {}, "", ""},
  };
  for (const Case& c : cases) {
    const ChineseSentence s = chinese(c.line, c.pieces);
    EXPECT_EQ(wholeSentence(s, MarkupForm::Tags), c.tagged) << c.name;
    EXPECT_EQ(wholeSentence(s, MarkupForm::Html), c.html) << c.name;
  }
  // The whole-sentence renderings neither read nor fill the registry.
  EXPECT_EQ(registry.size(), 0u);
}

TEST_F(Renderings, ChineseHtmlPairsShareTheRegistryOfTranslationLine) {
  const ChineseSentence s =
      chinese("今天 是 2004年5月1日 , 2004年5月1日 和 1，000",
              {{"今天", CK::Plain}, {"是", CK::Plain}, {"2004年5月1日", CK::Date}, {",", CK::Plain},
               {"2004年5月1日", CK::Date}, {"和", CK::Plain}, {"1，000", CK::Arabic}});
  // A repeated pair is written once; Arabic records give their source unchanged.
  EXPECT_EQ(htmlPairLines<Pair>(s, registry),
            "<b style = \"color:green\">2004年5月1日 ||| 1st May 2004</b><br/>"
            "<b style = \"color:teal\">1，000 ||| 1，000</b><br/>");
  EXPECT_EQ(htmlPairLines<Pair>(s, registry), "");
  EXPECT_EQ(translationLine<Pair>(s, registry), "");

  registry.clear();
  EXPECT_EQ(translationLine<Pair>(s, registry), "2004年5月1日 ||| 1st May 2004\n1，000 ||| 1，000\n");
  EXPECT_EQ(htmlPairLines<Pair>(s, registry), "");
}

TEST_F(Renderings, ChineseHtmlPairsTakeTheColourOfTheirRecord) {
  // Two records with the same text but different kinds keep their own colours.
  const ChineseSentence s = chinese("第三 三 三点", {{"第三", CK::Ordinal}, {"三", CK::Number}, {"三点", CK::Clock}});
  EXPECT_EQ(htmlPairLines<Pair>(s, registry),
            "<b style = \"color:red\">第三 ||| third</b><br/>"
            "<b style = \"color:olive\">三 ||| three</b><br/>"
            "<b style = \"color:navy\">三点 ||| three o'clock</b><br/>");
}

// --- English -----------------------------------------------------------------

TEST_F(Renderings, EnglishWholeSentence) {
  struct Case {
    const char* name;
    std::string line;
    std::vector<std::pair<std::string, EK>> pieces;
    std::string tagged;
    std::string html;
  } cases[] = {
      // The input's own separators follow each record; the entity keeps its double blank.
      {"clock with double blank",
       "It is Ten  past Five.",
       {{"It", EK::Plain}, {"is", EK::Plain}, {"Ten  past Five", EK::Clock}, {".", EK::Plain}},
       "It is <Clock>Ten  past Five|||五点 十分<\\Clock>.",
       "It is <b style=\"color:navy\">&#60Clock>Ten  past Five ||| 五点 十分<\\Clock></b>."},
      {"no entity",
       "Hello, world!",
       {{"Hello", EK::Plain}, {",", EK::Plain}, {"world", EK::Plain}, {"!", EK::Plain}},
       "Hello, world!",
       "Hello, world!"},
      {"figure or clock with its candidate",
       "ten to five",
       {{"ten to five", EK::FigureOrClock}},
       "<Figure>ten to five|||十 到 五<\\Figure>(候选: <Clock>ten to five|||差 十分 五点<\\Clock>)",
       "<b style=\"color:maroon\">&#60Figure>ten to five ||| 十 到 五<\\Figure></b>"
       "(候选: <b style=\"color:navy\">&#60Clock>ten to five ||| 差 十分 五点<\\Clock></b>)"},
      // The gap follows the second reading; Arabic records carry no bars.
      {"arabic and magnitude",
       "up 3.5% to  5 hundred",
       {{"up", EK::Plain}, {"3.5%", EK::Arabic}, {"to", EK::Plain}, {"5", EK::Arabic}, {"hundred", EK::Magnitude}},
       "up <Arabic>3.5%<\\Arabic> to  <Arabic>5<\\Arabic> hundred",
       "up <b style=\"color:teal\">&#60Arabic>3.5%<\\Arabic></b> to  <b style=\"color:teal\">&#60Arabic>5<\\Arabic></b> "
       "hundred"},
      // Text before the first record and after the last is not reproduced.
      {"outer blanks", "  Hello  ", {{"Hello", EK::Plain}}, "Hello", "Hello"},
      {"empty line", "", {}, "", ""},
  };
  for (const Case& c : cases) {
    const EnglishSentence s = english(c.line, c.pieces);
    EXPECT_EQ(wholeSentence(s, MarkupForm::Tags), c.tagged) << c.name;
    EXPECT_EQ(wholeSentence(s, MarkupForm::Html), c.html) << c.name;
  }
  EXPECT_EQ(registry.size(), 0u);
}

TEST_F(Renderings, EnglishWholeSentenceSkipsEmptyAndClampedRecords) {
  EnglishSentence s("ab");
  s.entities.push_back({0, 1, EK::Plain});
  s.entities.push_back({5, 3, EK::Units});  // wholly past the end of the line
  EXPECT_EQ(wholeSentence(s, MarkupForm::Tags), "ab");
}

TEST_F(Renderings, EnglishHtmlPairs) {
  const EnglishSentence s = english("ten to five , 3.5% and ten to five",
                                    {{"ten to five", EK::FigureOrClock},
                                     {",", EK::Plain},
                                     {"3.5%", EK::Arabic},
                                     {"and", EK::Plain},
                                     {"ten to five", EK::FigureOrClock}});
  EXPECT_EQ(htmlPairLines<Pair>(s, registry),
            "<b style=\"color:maroon\">ten to five ||| 十 到 五</b><br/>\n"
            "<b style=\"color:navy\">ten to five ||| 差 十分 五点</b><br/>\n"
            "<b style=\"color:teal\">3.5% ||| 3.5%</b><br/>\n");
  EXPECT_EQ(htmlPairLines<Pair>(s, registry), "");
  EXPECT_EQ(translationLine<Pair>(s, registry), "");

  registry.clear();
  EXPECT_EQ(translationLine<Pair>(s, registry), "ten to five ||| 十 到 五\nten to five ||| 差 十分 五点\n3.5% ||| 3.5%\n");
  EXPECT_EQ(htmlPairLines<Pair>(s, registry), "");
}

TEST_F(Renderings, EnglishHtmlPairsCandidateColours) {
  const EnglishSentence s = english("at five", {{"at", EK::Plain}, {"five", EK::ClockOrNumber}});
  EXPECT_EQ(htmlPairLines<Pair>(s, registry),
            "<b style=\"color:navy\">five |||  五点 </b><br/>\n"
            "<b style=\"color:olive\">five ||| 五</b><br/>\n");
}

TEST_F(Renderings, HtmlShowsMarkupLikeTextAsItStands) {
  const EnglishSentence e = english("a<b & 5", {{"a<b", EK::Plain}, {"&", EK::Plain}, {"5", EK::Arabic}});
  EXPECT_EQ(wholeSentence(e, MarkupForm::Tags), "a<b & <Arabic>5<\\Arabic>");
  EXPECT_EQ(wholeSentence(e, MarkupForm::Html), "a&lt;b &amp; <b style=\"color:teal\">&#60Arabic>5<\\Arabic></b>");
  const ChineseSentence c = chinese("<b> 5", {{"<b>", CK::Latin}, {"5", CK::Arabic}});
  EXPECT_EQ(wholeSentence(c, MarkupForm::Html), "&lt;b&gt; <b style = \"color:teal\">&#60Arabic>5<\\Arabic> </b>");
}

}  // namespace
}  // namespace vestrilo
