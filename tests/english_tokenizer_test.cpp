#include <gtest/gtest.h>

#include <string>

#include "english/EnglishSentence.h"
#include "tests/TestSupport.h"

namespace vestrilo {
namespace {

// The tokens of a line as "text/Kind" joined by " | ", texts from the working copy.
std::string tokens(const std::string& line) {
  EnglishSentence s(line);
  s.tokenize();
  std::string out;
  for (const EnglishEntity& e : s.entities) {
    if (!out.empty()) out += " | ";
    out += std::string(s.workingText(e)) + "/" + std::string(test::kindLabel(e.kind));
  }
  return out;
}

struct Case {
  const char* line;
  const char* expected;
};

TEST(EnglishTokenizer, Splitting) {
  const Case cases[] = {
      {"Hello, World!", "hello/Plain | ,/Plain | world/Plain | !/Plain"},
      {"at 10:30 .", "at/Plain | 10:30/Clock | ./Plain"},
      {"(1990),", "(/Plain | 1990/Arabic | ),/Plain"},
      {"a.m.", "a.m/Plain | ./Plain"},
      {"o'clock 3,500 10:30 u.s.a", "o'clock/Plain | 3,500/Arabic | 10:30/Clock | u.s.a/Plain"},
      {"a -- b", "a/Plain | --/Plain | b/Plain"},
      {"", ""},
      {"   \t ", ""},
      {"...", ".../Plain"},
      {"hello .", "hello/Plain | ./Plain"},
      {"hello . ", "hello/Plain | ./Plain"},
      {"a ( ... b", "a/Plain | (/Plain | .../Plain | b/Plain"},
      {"x ( , y", "x/Plain | (/Plain | ,/Plain | y/Plain"},
      {"'hello'", "'/Plain | hello/Plain | '/Plain"},
      {"hello.world", "hello.world/Plain"},
      {"  five\r", "five/Units"},
      {"a\tb\vc\fd", "a/Plain | b/Plain | c/Plain | d/Plain"},
      {"-5", "-/Plain | 5/Arabic"},
      {"--twenty", "--/Plain | twenty/Tens"},
      {"\xce\xe5" "five \xff", "\xce\xe5" "five/Plain | \xff/Plain"},
      {"five\xa1\xa3", "five\xa1\xa3/Plain"},
  };
  for (const Case& c : cases) EXPECT_EQ(tokens(c.line), c.expected) << "line: " << c.line;
}

TEST(EnglishTokenizer, Classification) {
  const Case cases[] = {
      {"The 3rd of MAY", "the/Plain | 3rd/Ordinal | of/Plain | may/MonthDate"},
      {"3.5%", "3.5/Arabic | %/Plain"},
      // A leading dot is split off, except in a word after a punctuation run and spaces.
      {".5 1.2.3 3.14 ( .5", "./Plain | 5/Arabic | 1.2.3/Arabic | 3.14/Arabic | (/Plain | .5/Arabic"},
      {". , .,", "./Plain | ,/Plain | .,/Plain"},
      {"1990s 5km 5a", "1990s/Plain | 5km/Plain | 5a/Plain"},
      {"1st 22nd 103rd 4th 1th", "1st/Ordinal | 22nd/Ordinal | 103rd/Ordinal | 4th/Ordinal | 1th/Ordinal"},
      {"th st a1st 1,5th", "th/Plain | st/Plain | a1st/Plain | 1,5th/Plain"},
      {"9:45 99:99 123:45 1:2 10:3a 1030", "9:45/Clock | 99:99/Clock | 123:45/Plain | 1:2/Plain | 10:3a/Plain | 1030/Arabic"},
      {"twenty-one twenty-first Twenty-One", "twenty-one/Units | twenty-first/Ordinal | twenty-one/Units"},
      {"ninety-nineteen twenty-tenth", "ninety-nineteen/Units | twenty-tenth/Ordinal"},
      {"ten-five twenty- twenty-five-six", "ten-five/Plain | twenty/Tens | -/Plain | twenty-five-six/Plain"},
      {"Nineteen TWENTY hundred fifth Monday Sept december",
       "nineteen/Units | twenty/Tens | hundred/Magnitude | fifth/Ordinal | monday/Week | sept/MonthDate | "
       "december/MonthDate"},
      {"quarter a.m o'clock", "quarter/Plain | a.m/Plain | o'clock/Plain"},
  };
  for (const Case& c : cases) EXPECT_EQ(tokens(c.line), c.expected) << "line: " << c.line;
}

TEST(EnglishTokenizer, RecordsIndexBothCopies) {
  EnglishSentence s("  (Twenty-One), X");
  s.tokenize();
  EXPECT_EQ(s.sentence, "  (Twenty-One), X");
  EXPECT_EQ(s.lowered, "  (twenty-one), x");
  const std::vector<EnglishEntity> expected = {
      {2, 1, EnglishEntityKind::Plain},
      {3, 10, EnglishEntityKind::Units},
      {13, 2, EnglishEntityKind::Plain},
      {16, 1, EnglishEntityKind::Plain},
  };
  EXPECT_EQ(s.entities.toVector(), expected);
  EXPECT_EQ(s.sourceText(s.entities[1]), "Twenty-One");
}

}  // namespace
}  // namespace vestrilo
