#include "driver/View.h"

#include "chinese/ChineseSentence.h"
#include "driver/LineReader.h"
#include "english/EnglishSentence.h"

namespace vestrilo {

namespace {

struct FormatName {
  std::string_view name;
  ViewFormat format;
};

constexpr FormatName formatNames[] = {
    {"tags", ViewFormat::Tags},
    {"html", ViewFormat::Html},
    {"translated-tags", ViewFormat::TranslatedTags},
    {"translated-html", ViewFormat::TranslatedHtml},
    {"pairs-html", ViewFormat::PairsHtml},
};

constexpr const char* usage =
    "Usage: vestrilo-view -C2E|-E2C FORMAT infile outfile\n"
    "FORMAT is one of:\n"
    "  tags             the sentence with its entities marked by plain tags\n"
    "  html             the same as an HTML document, entities coloured by kind\n"
    "  translated-tags  the sentence with each entity and its translation in plain tags\n"
    "  translated-html  the same as an HTML document\n"
    "  pairs-html       the new translation pairs of each line as an HTML document\n";

int usageError(std::FILE* err, const char* message) {
  std::fputs(message, err);
  std::fputs(usage, err);
  std::fflush(err);
  return -1;
}

std::string htmlHead(const char* direction, const char* format) {
  std::string head =
      "<!DOCTYPE html>\n"
      "<html>\n"
      "<head>\n"
      "<meta charset=\"GBK\">\n"
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
  for (const FormatName& f : formatNames) {
    if (f.name == name) {
      format = f.format;
      return true;
    }
  }
  return false;
}

bool isHtmlFormat(ViewFormat format) { return format != ViewFormat::Tags && format != ViewFormat::TranslatedTags; }

namespace {

template <class Sentence>
std::string render(Sentence& s, ViewFormat format) {
  runStages(s);
  switch (format) {
    case ViewFormat::Tags: return s.markupTags();
    case ViewFormat::Html: return s.markupHtml();
    case ViewFormat::TranslatedTags: return s.translationLineTagged();
    case ViewFormat::TranslatedHtml: return s.translationLineHtml();
    case ViewFormat::PairsHtml: return s.translationLineHtmlPairs();
  }
  return {};
}

}  // namespace

std::string renderLine(Direction direction, ViewFormat format, std::string_view line) {
  if (direction == Direction::ChineseToEnglish) {
    ChineseSentence s{std::string(line)};
    return render(s, format);
  }
  EnglishSentence s{std::string(line)};
  return render(s, format);
}

// The input and output handling and the console messages are those of the batch
// tool; the arguments carry the format in addition.
int runVestriloView(int argc, const char* const* argv, std::FILE* out, std::FILE* err) {
  if (argc != 5)
    return usageError(err, "Error: 5 parameters are needed, such as \"vestrilo-view -C2E[-E2C] FORMAT infile outfile\"\n");
  Direction direction;
  if (!parseDirection(argv[1], direction))
    return usageError(err, "Error: the 1st parameter should be \"-C2E\" or \"-E2C\"\n");
  ViewFormat format;
  if (!parseViewFormat(argv[2], format))
    return usageError(err,
                      "Error: the 2nd parameter should be one of tags, html, translated-tags, translated-html, "
                      "pairs-html\n");

  RunFiles files(out, err);
  if (!files.open(argv[3], argv[4])) return -1;

  const bool html = isHtmlFormat(format);
  const std::string_view lineEnd = html ? "<br/>\n" : "\n";
  if (html) files.write(htmlHead(argv[1], argv[2]));

  LineReader reader(files.input());
  LineBatch batch;
  unsigned long long lineNumber = 1;
  std::string progress, text;
  while (!files.writeFailed() && reader.next(batch)) {
    progress.clear();
    text.clear();
    for (std::string_view line : batch.lines) {
      progress += "\nProcessing Line ";
      progress += std::to_string(lineNumber++);
      text += renderLine(direction, format, line);
      text += lineEnd;
    }
    std::fwrite(progress.data(), 1, progress.size(), out);
    files.write(text);
  }
  if (html) files.write(htmlTail);
  return files.finish(reader.failed());
}

}  // namespace vestrilo
