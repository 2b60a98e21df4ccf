// The jsonl format of vestrilo-view: one JSON object per input line,
//
//   {"line": 1, "entities": [{"start": 8, "end": 12, "kind": "Clock", "text": "三点", "translation": "three o'clock"}]}
//
// with every entity of the line: its byte span in the line as read, its kind,
// text and translation, and "candidate" for the kinds that have a second
// reading. Strings are UTF-8 (GBK converted; bytes that cannot be converted are
// U+FFFD), so every line is valid JSON whatever the input held.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "vestrilo/vestrilo.h"

namespace vestrilo {

// Appends `text`, which must be well-formed UTF-8, as a JSON string: quotes,
// backslashes and control characters escaped.
void appendJsonString(std::string& out, std::string_view text);

// Appends the object of one line, without a line end. Texts are in `encoding`.
void appendJsonLine(std::string& out, unsigned long long lineNumber, const std::vector<Entity>& entities,
                    Encoding encoding);

}  // namespace vestrilo
