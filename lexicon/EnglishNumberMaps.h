// Word data of the English recognition stages and of the number-word
// conversion: the number-word map, the small word sets the passes test, and the
// byte offsets in the shared lists that some rules compare with.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "lexicon/Lexicon.h"

namespace vestrilo {

// Every cardinal word below one hundred (the article "a" counts as one), each
// with its two-digit value. Hyphenated tens compounds are keys of their own;
// scale words and "and" are not keys.
inline constexpr TaggedMap numberWordMap{
    "<zero>(00)<a>(01)<one>(01)<two>(02)<three>(03)<four>(04)<five>(05)<six>(06)<seven>(07)"
    "<eight>(08)<nine>(09)<ten>(10)<eleven>(11)<twelve>(12)<thirteen>(13)<fourteen>(14)"
    "<fifteen>(15)<sixteen>(16)<seventeen>(17)<eighteen>(18)<nineteen>(19)<twenty>(20)"
    "<twenty-one>(21)<twenty-two>(22)<twenty-three>(23)<twenty-four>(24)<twenty-five>(25)"
    "<twenty-six>(26)<twenty-seven>(27)<twenty-eight>(28)<twenty-nine>(29)<thirty>(30)"
    "<thirty-one>(31)<thirty-two>(32)<thirty-three>(33)<thirty-four>(34)<thirty-five>(35)"
    "<thirty-six>(36)<thirty-seven>(37)<thirty-eight>(38)<thirty-nine>(39)<forty>(40)"
    "<forty-one>(41)<forty-two>(42)<forty-three>(43)<forty-four>(44)<forty-five>(45)"
    "<forty-six>(46)<forty-seven>(47)<forty-eight>(48)<forty-nine>(49)<fifty>(50)<fifty-one>(51)"
    "<fifty-two>(52)<fifty-three>(53)<fifty-four>(54)<fifty-five>(55)<fifty-six>(56)"
    "<fifty-seven>(57)<fifty-eight>(58)<fifty-nine>(59)<sixty>(60)<sixty-one>(61)<sixty-two>(62)"
    "<sixty-three>(63)<sixty-four>(64)<sixty-five>(65)<sixty-six>(66)<sixty-seven>(67)"
    "<sixty-eight>(68)<sixty-nine>(69)<seventy>(70)<seventy-one>(71)<seventy-two>(72)"
    "<seventy-three>(73)<seventy-four>(74)<seventy-five>(75)<seventy-six>(76)<seventy-seven>(77)"
    "<seventy-eight>(78)<seventy-nine>(79)<eighty>(80)<eighty-one>(81)<eighty-two>(82)"
    "<eighty-three>(83)<eighty-four>(84)<eighty-five>(85)<eighty-six>(86)<eighty-seven>(87)"
    "<eighty-eight>(88)<eighty-nine>(89)<ninety>(90)<ninety-one>(91)<ninety-two>(92)"
    "<ninety-three>(93)<ninety-four>(94)<ninety-five>(95)<ninety-six>(96)<ninety-seven>(97)"
    "<ninety-eight>(98)<ninety-nine>(99)"};

// Offsets in the shared lists that split them into a leading part. A rule that
// admits only the first words of a list compares a word's position with these.
// "<ten>" begins at byte 60 of englishUnitsList: before it, zero to nine.
inline constexpr std::size_t unitsDigitWordsEnd = 60;
// "<ninth>" begins at 61 and "<tenth>" at 68 of englishOrdinalList: first to ninth.
inline constexpr std::size_t ordinalDigitWordsEnd = 65;
// "<first><second>" take bytes 0 to 14 of englishOrdinalList: searching from
// byte 14 finds third onwards.
inline constexpr std::size_t ordinalFractionWordsFrom = 14;
// The bare words twenty, thirty, forty and fifty begin before byte 30 of
// englishTensList ("sixty" is at 31): the tens that can be minutes of a clock time.
inline constexpr std::size_t tensMinuteWordsEnd = 30;

// The ordinal list from byte 14 on: third onwards, as the fraction rule searches it.
inline constexpr LexiconList ordinalFractionWordList{englishOrdinalList.text().substr(ordinalFractionWordsFrom)};

static_assert(englishUnitsList.text().find("<ten>") == unitsDigitWordsEnd);
static_assert(englishOrdinalList.text().find("<ninth>") < ordinalDigitWordsEnd &&
              englishOrdinalList.text().find("<tenth>") > ordinalDigitWordsEnd);
static_assert(englishOrdinalList.text().find("<third>") == ordinalFractionWordsFrom + 1 &&
              englishOrdinalList.text().find("<second>") < ordinalFractionWordsFrom);
static_assert(englishTensList.text().find("fifty") < tensMinuteWordsEnd &&
              englishTensList.text().find("sixty") > tensMinuteWordsEnd);

// The scale words above "hundred" of a number in words, from the largest. Each
// fills a field of the sixteen-digit value string with the last digits of its
// four-digit count, and "and a half" before it puts a 5 into the first digit of
// the field below (half of one unit of the scale). "thousand" has rules of its own and is listed apart.
struct EnglishScaleWord {
  std::string_view word;
  std::size_t firstDigit;   // first position of its field in the value string
  std::size_t countFrom;    // first digit of the count (0-3) copied into the field
  std::size_t halfDigit;    // where "and a half" puts its 5; 0 for no half
};
inline constexpr EnglishScaleWord englishScaleWords[] = {
    {"quadrillion", 0, 3, 0},
    {"trillion", 1, 1, 0},
    {"billion", 4, 1, 7},
    {"million", 7, 1, 10},
};
inline constexpr std::string_view englishThousandWord = "thousand";
// Half of one more unit of the scale word that follows (two and a half million).
inline constexpr std::string_view andAHalfWords = "and a half";
inline constexpr std::size_t thousandFirstDigit = 10;
inline constexpr std::size_t thousandHalfDigit = 13;

// Suffixes of an ordinal written in digits ("1st", "22nd", "4th").
inline constexpr LexiconList digitOrdinalSuffixList{"<th><st><nd><rd>"};
// Words before a clock time counted from the hour ("ten past five").
inline constexpr LexiconList clockPastWordList{"<after><past>"};
// Fractions of an hour that stand before "past" and "after" ("half past five").
inline constexpr LexiconList hourFractionList{"<half><quarter><a quarter>"};
// The same without "half", for "to" and "of" ("a quarter to five").
inline constexpr LexiconList hourQuarterList{"<quarter><a quarter>"};
// Articles that make "quarter" one word with them ("a quarter", "one quarter").
inline constexpr LexiconList quarterArticleList{"<a><one>"};
// Words that name a time of day when a small number follows them ("at five").
inline constexpr LexiconList clockContextList{"<at><around><before><after><past>"};
// Words that are never entities on their own: a number word and month names
// that are more often words or names than months (one, may, march), and the
// month abbreviations that are ordinary words too ("sep" for a separator, Jun
// and Jul as names). With a day or a year they are dates all the same.
inline constexpr LexiconList neverAloneList{"<one><may><march><jun><jul><sep>"};
// Time-of-day suffixes as the tokenizer leaves them, before the dot is joined.
inline constexpr LexiconList dayHalfStemList{"<a.m><p.m>"};
// The same with the dot joined.
inline constexpr LexiconList dayHalfList{"<a.m.><p.m.>"};
// Era suffixes as the tokenizer leaves them, before the dot is joined.
inline constexpr LexiconList eraStemList{"<b.c><a.d>"};
// Era suffixes, dotted or not.
inline constexpr LexiconList eraList{"<a.d.><b.c.><bc><ad>"};

// Whether word is one of the words of list. Unlike the plain word test, a word
// holding "<" or ">" never matches across two entries of the list.
inline bool isListedWord(const LexiconList& list, std::string_view word) { return list.hasWholeWord(word); }

}  // namespace vestrilo
