// The shapes of numbers written with digits and signs that the extended rules
// read: numeric dates (2016-12-14, 8/29/2001, 08/29), clock times with seconds
// (17:59:04), decades (1990s, '80s, 50's), letter multipliers (10k, 1.2b) and
// the digit forms copied as they stand (1918-1981, 3:1, 3x5, 10^6, 172_456).
// The tokenizer classes tokens by them and the translators read them, so both
// agree on what a shape is.
#pragma once

#include <string>
#include <string_view>

namespace vestrilo {

namespace shapes {

// A date in digits: its year as written (empty when it has none), month and
// day (0 when it has none).
struct NumericDate {
  std::string_view year;
  int month = 0;
  int day = 0;
};

// Reads a numeric date: year-month-day or year/month/day with a year of four
// digits (or a first number above 31: 88/08/01), year-month (2008-12: a
// month of two digits), month/day/year (English order; day/month/year only
// where the first number cannot be a month), and month/day without a year
// where both are written with two digits and one of them with a leading zero
// (08/29, 12/05): bare 1/2 or 3/64 are fractions. False for anything else.
bool readNumericDate(std::string_view t, NumericDate& date);

// 17:59:04 or 9:09:19: hours up to 23, minutes and seconds up to 59.
bool isClockWithSeconds(std::string_view t);

// A decade: 1990s, 1990's, 90s, 50's (the tokenizer has split off the quote
// of '80s). *century is the century's digits (19) or empty, *years the two
// digits of the decade (90).
bool readDecade(std::string_view t, std::string_view* century, std::string_view* years);

// Digits glued to a letter multiplier: 10k, 1.2b, 3bn. *number is the number,
// *scale the scale word the letter stands for.
bool readLetterMultiplier(std::string_view t, std::string_view* number, std::string_view* scale);

// Digits joined to digits by one sign, copied as they stand: 1918-1981, 0-2,
// 3:1, 3x5, 10^6, 10^-9, 172_456.
bool isJoinedDigits(std::string_view t);

// A version or file number, which is no quantity: digits with two dots or more
// (2.6.33, 8.2.5063), or three digits or more with a leading zero (0007, 0777).
bool isVersionOrCode(std::string_view t);

// The length of the number (digits with "." and ",") at the front of t.
std::size_t numberPrefix(std::string_view t);

}  // namespace shapes

}  // namespace vestrilo
