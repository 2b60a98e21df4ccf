#include "driver/View.h"

#include <string>

#include "driver/JsonLines.h"

namespace vestrilo {

namespace {

constexpr const char* usage =
    "Usage: vestrilo-view -C2E|-E2C FORMAT infile outfile\n"
    "FORMAT is one of:\n"
    "  tags             the sentence with its entities marked by plain tags\n"
    "  html             the same as an HTML document, entities coloured by kind\n"
    "  translated-tags  the sentence with each entity and its translation in plain tags\n"
    "  translated-html  the same as an HTML document\n"
    "  pairs-html       the new translation pairs of each line as an HTML document\n"
    "  jsonl            one JSON object per line: every entity with its byte span,\n"
    "                   kind, text and translation (UTF-8 in both encodings)\n";

// The text of --help: the usage, then what the arguments and the output are.
std::string helpText() {
  return std::string(usage) +
    "\n"
    "Runs every line of infile through the recognition and translation of vestrilo\n"
    "and writes one rendering per input line to outfile (the HTML formats write one\n"
    "document, each line's rendering followed by <br/>).\n"
    "\n"
    "  -C2E      infile is word-segmented Chinese; translations are English\n"
    "  -E2C      infile is English; translations are Chinese\n"
    "  infile    text in the encoding of VESTRILO_ENCODING, one sentence per line\n"
    "            (LF or CR LF line ends); - reads standard input\n"
    "  outfile   receives the renderings, in the same encoding (jsonl: always UTF-8);\n"
    "            - writes standard output (the console text then goes to standard\n"
    "            error). A file is written beside its place and put there when\n"
    "            complete: a failed run leaves an old file as it was. It must not be\n"
    "            infile.\n"
    "\n"
    "A file named - is given as ./-. The console text (VESTRILO_PROGRESS) goes to\n"
    "standard output; errors go to standard error with exit status 255.\n"
    "\n"
    "Environment:\n"
    "  VESTRILO_ENCODING  GBK (the default) or UTF-8, in any letter case: the encoding\n"
    "                     of infile and outfile; a UTF-8 byte-order mark is skipped\n"
    "  VESTRILO_RULES     classic (the default) or extended, in any letter case: the\n"
    "                     rules applied (see vestrilo --help)\n"
    "  VESTRILO_PROGRESS  lines (the default), bar or none (see vestrilo --help)\n"
    "\n"
    "  --help      show this text\n"
    "  --version   show the program's version\n";
}

int usageError(std::FILE* err, const char* message) {
  std::fputs(message, err);
  std::fputs(usage, err);
  std::fflush(err);
  return -1;
}

std::string htmlHead(const char* direction, const char* format, Encoding encoding) {
  std::string head =
      "<!DOCTYPE html>\n"
      "<html>\n"
      "<head>\n"
      "<meta charset=\"";
  head += encoding == Encoding::UTF8 ? "UTF-8" : "GBK";
  head +=
      "\">\n"
      "<title>Vestrilo ";
  head += direction;
  head += ' ';
  head += format;
  head +=
      "</title>\n"
      "</head>\n"
      "<body>\n";
  return head;
}

constexpr std::string_view htmlTail = "</body>\n</html>\n";

}  // namespace

bool parseViewFormat(std::string_view name, ViewFormat& format) {
  if (name == "jsonl") {
    format = ViewFormat{true, Rendering::Tags};
    return true;
  }
  format.json = false;
  return renderingNamed(name, format.rendering);
}

bool isHtmlFormat(const ViewFormat& format) {
  return !format.json && format.rendering != Rendering::Tags && format.rendering != Rendering::TranslatedTags;
}

// The input and output handling and the console messages are those of the batch
// tool; the arguments carry the format in addition.
int runVestriloView(int argc, const char* const* argv, std::FILE* out, std::FILE* err) {
  if (answerInfoRequest(argc, argv, "vestrilo-view", helpText().c_str(), out)) return 0;
  if (argc != 5)
    return usageError(err, "Error: 5 parameters are needed, such as \"vestrilo-view -C2E[-E2C] FORMAT infile outfile\"\n");
  Direction direction;
  if (!directionOption(argv[1], direction))
    return usageError(err, "Error: the 1st parameter should be \"-C2E\" or \"-E2C\"\n");
  ViewFormat format;
  if (!parseViewFormat(argv[2], format))
    return usageError(err,
                      "Error: the 2nd parameter should be one of tags, html, translated-tags, translated-html, "
                      "pairs-html, jsonl\n");
  Options options;
  if (!fileEncoding(options.encoding)) return reportError(err, kEncodingError);
  if (!fileRules(options.rules)) return reportError(err, kRulesError);
  ProgressStyle style;
  if (!progressStyle(style)) return reportError(err, kProgressError);
  const Encoding encoding = options.encoding;
  const SignalGuard signals;  // a signal stops the run, which removes what it was writing
  ConsoleProgress progress(style, consoleFor(argv[4], out, err), err);
  const Extractor extractor(direction, options);
  if (!extractor.ok()) return progress.finish(extractor.status(), err);

  InputFile input;
  if (Status s = input.open(argv[3], encoding); !s.ok()) return progress.finish(s, err);
  OutputFile output;  // discarded unless the run completes
  if (Status s = output.open(argv[4], {&input}); !s.ok()) return progress.finish(s, err);
  progress.started();

  const bool html = isHtmlFormat(format);
  const std::string_view lineEnd = html ? "<br/>\n" : "\n";
  Status written;
  if (html) written = output.write(htmlHead(argv[1], argv[2], encoding));

  Registry registry;  // the pairs the pair lines have shown, for the whole run
  LineBatch batch;
  BatchProgress done;
  unsigned long long lineNumber = 1;
  std::string note, text;
  while (written.ok() && !progress.cancelled() && input.next(batch)) {
    done.firstLine = lineNumber;
    done.lines = batch.lines.size();
    done.bytesDone = input.bytesDone();
    done.inputSize = input.size();
    note.clear();
    text.clear();
    progress.prepare(done, note);
    for (std::string_view line : batch.lines) {
      if (format.json)
        appendJsonLine(text, lineNumber, extractor.entities(line), encoding);
      else
        text += extractor.render(line, format.rendering, registry);
      text += lineEnd;
      ++lineNumber;
    }
    progress.report(done, note);
    written = output.write(text);
  }
  if (html && written.ok()) written = output.write(htmlTail);
  if (progress.cancelled()) return progress.finish(Status(StatusCode::Cancelled, "the run was cancelled"), err);
  return progress.finish(!written.ok() ? written : !input.status().ok() ? input.status() : output.close(), err);
}

}  // namespace vestrilo
