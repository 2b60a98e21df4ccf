#include <gtest/gtest.h>

#include <string>

#include "english/EnglishSentence.h"
#include "tests/TestSupport.h"

namespace vestrilo {
namespace {

std::string describe(const EnglishSentence& s) {
  std::string out;
  for (const EnglishEntity& e : s.entities) {
    if (!out.empty()) out += " | ";
    out += std::string(s.workingText(e)) + "/" + std::string(test::kindLabel(e.kind));
  }
  return out;
}

// The records after recognition alone, and after disambiguation as well.
std::string recognized(const std::string& line) {
  EnglishSentence s(line);
  s.tokenize();
  s.recognize();
  return describe(s);
}

std::string final(const std::string& line) {
  EnglishSentence s(line);
  s.tokenize();
  s.recognize();
  s.disambiguate();
  return describe(s);
}

struct Case {
  const char* line;
  const char* expected;
};

TEST(EnglishRecognize, WorkedExamples) {
  const Case cases[] = {
      {"He left at seven fifteen p.m. .", "he/Plain | left/Plain | at/Plain | seven fifteen p.m./Clock | ./Plain"},
      {"Call nine one one now", "call/Plain | nine one one/Figure | now/Plain"},
      {"It costs two hundred and twenty five dollars",
       "it/Plain | costs/Plain | two hundred and twenty-five/WordNumber | dollars/Plain"},
      {"On May 5, 2004 it rained", "on/Plain | may 5, 2004/MonthDate | it/Plain | rained/Plain"},
      {"the 5th May 2004", "the/Plain | 5th may 2004/DayDate"},
      {"two thirds of them", "two thirds/Fraction | of/Plain | them/Plain"},
      {"pi is three point one four", "pi/Plain | is/Plain | three point one four/Units"},
      {"5 million people", "5 million/ArabicMagnitude | people/Plain"},
      {"in 500 B.C.", "in/Plain | 500 b.c./MonthDate"},
  };
  for (const Case& c : cases) EXPECT_EQ(recognized(c.line), c.expected) << "line: " << c.line;
}

TEST(EnglishRecognize, FirstPass) {
  const Case cases[] = {
      // Tens joins: only zero to nine and first to ninth follow a tens word.
      {"twenty five", "twenty-five/Units"},
      {"twenty ten", "twenty/Tens | ten/Units"},
      {"twenty first", "twenty-first/Ordinal"},
      {"twenty ninth", "twenty-ninth/Ordinal"},
      {"twenty tenth", "twenty/Tens | tenth/Ordinal"},
      {"twenty  five", "twenty -five/Units"},
      // Hyphens standing apart.
      {"twenty - one", "twenty - one/Units"},
      {"one - third", "one - third/Fraction"},
      {"two - thirds", "two - thirds/Fraction"},
      {"two - seconds", "two - seconds/Fraction"},
      {"twenty - first", "twenty - first/Ordinal"},
      {"- five", "-/Plain | five/Units"},
      // Clock words and quarters.
      {"ten o five", "ten o five/Clock"},
      {"ten o'clock", "ten o'clock/Clock"},
      {"10 o'clock", "10/Arabic | o'clock/Plain"},
      {"a quarter", "a quarter/Plain"},
      {"one quarter", "one quarter/Plain"},
      // Fractions skip "first" and anything with "second".
      {"three fifths", "three fifths/Fraction"},
      {"one third", "one third/Fraction"},
      {"two seconds", "two/Units | seconds/Plain"},
      {"one second", "one/Units | second/Ordinal"},
      {"one first", "one/Units | first/Ordinal"},
      {"two 3rd", "two 3rd/Fraction"},
      // Dotted abbreviations take their dot back.
      {"ten a.m .", "ten/Units | a.m ./Plain"},
      {"p.m.. x", "p.m./Plain | ./Plain | x/Plain"},
      {"a.d ...", "a.d ./Plain | ../Plain"},
      {"a.m", "a.m/Plain"},
      // Digit-word runs test texts, not kinds.
      {"one two three four", "one two three four/Figure"},
      {"ten eleven twelve", "ten eleven twelve/Figure"},
      {"twenty-five one two", "twenty-five/Units | one/Units | two/Units"},
      // Day before month.
      {"on 5 May", "on/Plain | 5 may/DayDate"},
      {"on first May", "on/Plain | first may/DayDate"},
      {"on 5 May 12345", "on/Plain | 5 may/DayDate | 12345/Arabic"},
      {"on 123 May", "on/Plain | 123/Arabic | may/MonthDate"},
      {"on 5 May year", "on/Plain | 5 may/DayDate | year/Plain"},
      {"the 5th May this year", "the/Plain | 5th may this/DayDate | year/Plain"},
      // Single tokens find no neighbours.
      {"five", "five/Units"},
      {"-", "-/Plain"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(recognized(c.line), c.expected) << "line: " << c.line;
}

TEST(EnglishRecognize, LaterPasses) {
  const Case cases[] = {
      // Month before day or year.
      {"May 5th", "may 5th/MonthDate"},
      {"March 2004", "march 2004/MonthDate"},
      {"Jan. 5", "jan. 5/MonthDate"},
      // Decimals in words.
      {"three point one four five", "three point one four five/Units"},
      {"three point twenty", "three point twenty/Units"},
      {"point five", "point/Plain | five/Units"},
      // Word numbers.
      {"a hundred", "a hundred/WordNumber"},
      {"two hundred thousand", "two hundred thousand/WordNumber"},
      {"one thousand two hundred", "one thousand two hundred/WordNumber"},
      {"two hundred five", "two hundred five/WordNumber"},
      {"one hundred and twenty", "one hundred and twenty/WordNumber"},
      {"hundred", "hundred/Magnitude"},
      // Clock times in words: minutes 10 to 58, tens up to fifty.
      {"seven fifty-nine", "seven/Units | fifty-nine/Units"},
      {"seven fifty-eight", "seven fifty-eight/Clock"},
      {"seven fifty eight", "seven fifty-eight/Clock"},
      {"nineteen eighteen", "nineteen eighteen/Clock"},
      {"nineteen ninety-nine", "nineteen/Units | ninety-nine/Units"},
      {"seven five", "seven/Units | five/Units"},
      {"seven thirty", "seven thirty/Clock"},
      {"ten fifty", "ten fifty/Clock"},
      {"ten sixty", "ten/Units | sixty/Tens"},
      // Years after commas.
      {"on 5 May, 2004", "on/Plain | 5 may, 2004/DayDate"},
      {"May 5, 20045", "may 5/MonthDate | ,/Plain | 20045/Arabic"},
      // Time-of-day and era suffixes.
      {"ten a.m.", "ten a.m./Clock"},
      {"10:30 p.m.", "10:30 p.m./Clock"},
      {"10 a.m.", "10/Arabic | a.m./Plain"},
      {"twenty-five a.m.", "twenty-five/Units | a.m./Plain"},
      {"twenty-four p.m.", "twenty-four p.m./Clock"},
      {"May 5, 2004 A.D.", "may 5, 2004 a.d./MonthDate"},
      {"500 BC", "500 bc/MonthDate"},
      {"12345 bc", "12345/Arabic | bc/Plain"},
      {"99999999999 ad", "99999999999/Arabic | ad/Plain"},
      {"the 5th May ad", "the/Plain | 5th may ad/DayDate"},
  };
  for (const Case& c : cases) EXPECT_EQ(recognized(c.line), c.expected) << "line: " << c.line;
}

TEST(EnglishRecognize, JoinedTensReadHyphenatedButShowTheirSource) {
  EnglishSentence s("Twenty Five");
  s.tokenize();
  s.recognize();
  ASSERT_EQ(s.entities.size(), 1u);
  EXPECT_EQ(s.sourceText(s.entities[0]), "Twenty Five");
  EXPECT_EQ(s.workingText(s.entities[0]), "twenty-five");
  EXPECT_EQ(s.sentence.size(), s.lowered.size());
}

TEST(EnglishDisambiguate, ContextWords) {
  const Case cases[] = {
      {"We meet at half past five .", "we/Plain | meet/Plain | at/Plain | half past five/Clock | ./Plain"},
      {"half past", "half/Plain | past/Plain"},
      {"it is ten past five", "it/Plain | is/Plain | ten past five/Clock"},
      {"twenty after six", "twenty after six/Clock"},
      {"five past ten o'clock", "five past ten o'clock/Clock"},
      {"a quarter past ten", "a quarter past ten/Clock"},
      {"five past one", "five past one/Clock"},
      {"one past five", "one/Plain | past/Plain | five/ClockOrNumber"},
      {"forty past five", "forty/Tens | past/Plain | five/ClockOrNumber"},
      {"at ten past five", "at/Plain | ten/ClockOrNumber | past/Plain | five/ClockOrNumber"},
      {"ten past five at six", "ten past five/Clock | at/Plain | six/ClockOrNumber"},
      // Ranges and clock times with "to".
      {"from ten to twelve", "from/Plain | ten to twelve/Figure"},
      {"ten to twelve", "ten to twelve/FigureOrClock"},
      {"thirty to five", "thirty to five/FigureOrClock"},
      {"forty to five", "forty/Tens | to/Plain | five/Units"},
      {"quarter to five", "quarter to five/Clock"},
      {"a quarter to five", "a quarter to five/Clock"},
      {"one quarter to five", "one quarter/Plain | to/Plain | five/Units"},
      // "of".
      {"fifth of May", "fifth of may/MonthDate"},
      {"the 5th of May", "the/Plain | 5th of may/MonthDate"},
      {"ten of five", "ten of five/Clock"},
      {"a quarter of five", "a quarter of five/Clock"},
      // Clock-or-number candidates.
      {"at five", "at/Plain | five/ClockOrNumber"},
      {"around ten", "around/Plain | ten/ClockOrNumber"},
      {"at 5", "at/Plain | 5/Arabic"},
      {"at twenty", "at/Plain | twenty/Tens"},
      {"at thirty", "at/Plain | thirty/Tens"},
      {"at nineteen", "at/Plain | nineteen/ClockOrNumber"},
      {"at twenty-four", "at/Plain | twenty-four/ClockOrNumber"},
      {"at twenty-five", "at/Plain | twenty-five/Units"},
      {"at one", "at/Plain | one/Plain"},
      // Words never standing alone.
      {"May", "may/Plain"},
      {"March", "march/Plain"},
      {"one", "one/Plain"},
      {"one hundred", "one hundred/WordNumber"},
      {"one o'clock", "one o'clock/Clock"},
      {"one thirty", "one thirty/Clock"},
      {"May 5", "may 5/MonthDate"},
      // Ordinals after word numbers, percentages.
      {"one hundred first", "one hundred first/Ordinal"},
      {"one hundred and first", "one hundred and first/Ordinal"},
      {"3.5%", "3.5%/Arabic"},
      {"50 %", "50 %/Arabic"},
      {"five percent", "five percent/Fraction"},
      {"5 percent", "5 percent/Fraction"},
      {"two hundred percent", "two hundred percent/Fraction"},
      {"fifty percent", "fifty/Tens | percent/Plain"},
      // A percent sign glued to the punctuation after it stays with its number.
      {"About 61%.", "about/Plain | 61%/Arabic | ./Plain"},
      {"And 15%, then", "and/Plain | 15%/Arabic | ,/Plain | then/Plain"},
      {"(61%)", "(/Plain | 61%/Arabic | )/Plain"},
      {"50 %.", "50 %/Arabic | ./Plain"},
      {"50%", "50%/Arabic"},
      {"so%.", "so/Plain | %./Plain"},
  };
  for (const Case& c : cases) EXPECT_EQ(final(c.line), c.expected) << "line: " << c.line;
}

// jun, jul and sep are month abbreviations like jan and sept: dates with a day
// or a year, never alone, and never inside a word.
TEST(EnglishDisambiguate, ShortMonthNames) {
  const Case cases[] = {
      {"It was Jul 29 .", "it/Plain | was/Plain | jul 29/MonthDate | ./Plain"},
      {"Sep 19 , 2014", "sep 19 , 2014/MonthDate"},
      {"On Jun 5 we left", "on/Plain | jun 5/MonthDate | we/Plain | left/Plain"},
      {"SEP. 1984", "sep. 1984/MonthDate"},
      {"13 Jul 2010", "13 jul 2010/DayDate"},
      {"the 5th of Sep", "the/Plain | 5th of sep/MonthDate"},
      {"Jun", "jun/Plain"},
      {"Jun. Rybar", "jun/Plain | ./Plain | rybar/Plain"},
      {"-sep", "-/Plain | sep/Plain"},
      {"--sep ,", "--/Plain | sep/Plain | ,/Plain"},
      {"julia", "julia/Plain"},
      {"a_jul", "a_jul/Plain"},
  };
  for (const Case& c : cases) EXPECT_EQ(final(c.line), c.expected) << "line: " << c.line;
}

TEST(EnglishDisambiguate, WorkedExamplesKeepTheirEntities) {
  const Case cases[] = {
      {"He left at seven fifteen p.m. .", "he/Plain | left/Plain | at/Plain | seven fifteen p.m./Clock | ./Plain"},
      {"Call nine one one now", "call/Plain | nine one one/Figure | now/Plain"},
      {"On May 5, 2004 it rained", "on/Plain | may 5, 2004/MonthDate | it/Plain | rained/Plain"},
      {"the 5th May this year", "the/Plain | 5th may this/DayDate | year/Plain"},
      {"one second", "one/Plain | second/Ordinal"},
      {"Twenty Five", "twenty-five/Units"},
  };
  for (const Case& c : cases) EXPECT_EQ(final(c.line), c.expected) << "line: " << c.line;
}

}  // namespace
}  // namespace vestrilo
