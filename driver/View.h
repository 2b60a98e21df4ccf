// The viewer: shows what recognition found and how entities are translated,
// line by line, as plain tags or as an HTML document.
//
//   vestrilo-view -C2E|-E2C FORMAT infile outfile
//
// FORMAT is one of tags, html, translated-tags, translated-html, pairs-html.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "driver/Driver.h"

namespace vestrilo {

enum class ViewFormat {
  Tags,            // entities marked with plain tags
  Html,            // entities marked with coloured tags
  TranslatedTags,  // the sentence with entities and their translations, plain tags
  TranslatedHtml,  // the same in coloured HTML
  PairsHtml,       // the line's new translation pairs, coloured HTML
};

// The format named on the command line; false for an unknown name.
bool parseViewFormat(std::string_view name, ViewFormat& format);

// Whether the format writes an HTML document (else one text line per input line).
bool isHtmlFormat(ViewFormat format);

// Runs one line through the stages of the direction and returns its rendering
// in the format. PairsHtml goes through the program-wide registry emittedPairs.
std::string renderLine(Direction direction, ViewFormat format, std::string_view line);

// The whole program. Messages go to `out` and `err`; the result is the exit
// status (0, or -1 after an error).
int runVestriloView(int argc, const char* const* argv, std::FILE* out, std::FILE* err);
inline int runVestriloView(int argc, char** argv) { return runVestriloView(argc, argv, stdout, stderr); }

}  // namespace vestrilo
