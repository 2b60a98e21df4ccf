// The viewer: shows what recognition found and how entities are translated,
// line by line, as plain tags, as an HTML document or as JSON Lines.
//
//   vestrilo-view -C2E|-E2C FORMAT infile outfile
//
// FORMAT is one of tags, html, translated-tags, translated-html, pairs-html,
// jsonl.
#pragma once

#include <cstdio>
#include <string_view>

#include "driver/Driver.h"

namespace vestrilo {

// What the viewer writes: a rendering of the library, or the entities of each
// line as JSON (jsonl).
struct ViewFormat {
  bool json = false;
  Rendering rendering = Rendering::Tags;
};

// The format named on the command line; false for an unknown name.
bool parseViewFormat(std::string_view name, ViewFormat& format);

// Whether the format is written as an HTML document (else one text line per input line).
bool isHtmlFormat(const ViewFormat& format);

// The whole program. Messages go to `out` and `err`; the result is the exit
// status (0, or -1 after an error).
int runVestriloView(int argc, const char* const* argv, std::FILE* out, std::FILE* err);
inline int runVestriloView(int argc, char** argv) { return runVestriloView(argc, argv, stdout, stderr); }

}  // namespace vestrilo
