// Writing an English rendering: its words follow one another with single
// blanks between them.
#pragma once

#include <string>
#include <string_view>

namespace vestrilo {

namespace english_text {

// Appends a blank and word.
inline void appendWord(std::string& out, std::string_view word) {
  out += ' ';
  out += word;
}

// Appends a joining word with a blank on each side: "three or four".
inline void appendJoiningWord(std::string& out, std::string_view word) {
  appendWord(out, word);
  out += ' ';
}

}  // namespace english_text

}  // namespace vestrilo
