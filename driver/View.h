// The viewer: shows what recognition found and how entities are translated,
// line by line, as plain tags or as an HTML document.
//
//   vestrilo-view -C2E|-E2C FORMAT infile outfile
//
// FORMAT is one of tags, html, translated-tags, translated-html, pairs-html.
#pragma once

#include <cstdio>
#include <string_view>

#include "driver/Driver.h"

namespace vestrilo {

// The rendering named on the command line; false for an unknown name.
bool parseViewFormat(std::string_view name, Rendering& format);

// Whether the rendering is written as an HTML document (else one text line per input line).
bool isHtmlFormat(Rendering format);

// The whole program. Messages go to `out` and `err`; the result is the exit
// status (0, or -1 after an error).
int runVestriloView(int argc, const char* const* argv, std::FILE* out, std::FILE* err);
inline int runVestriloView(int argc, char** argv) { return runVestriloView(argc, argv, stdout, stderr); }

}  // namespace vestrilo
