#include "driver/JsonLines.h"

namespace vestrilo {

void appendJsonString(std::string& out, std::string_view text) {
  static const char hex[] = "0123456789abcdef";
  out += '"';
  std::size_t from = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c != '"' && c != '\\') continue;
    out.append(text.data() + from, i - from);
    from = i + 1;
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        out += "\\u00";
        out += hex[c >> 4];
        out += hex[c & 15];
    }
  }
  out.append(text.data() + from, text.size() - from);
  out += '"';
}

void appendJsonLine(std::string& out, unsigned long long lineNumber, const std::vector<Entity>& entities,
                    Encoding encoding) {
  auto field = [&](const char* name, std::string_view text) {
    out += ", \"";
    out += name;
    out += "\": ";
    appendJsonString(out, toUtf8(text, encoding));
  };
  out += "{\"line\": ";
  out += std::to_string(lineNumber);
  out += ", \"entities\": [";
  bool first = true;
  for (const Entity& e : entities) {
    if (!first) out += ", ";
    first = false;
    out += "{\"start\": ";
    out += std::to_string(e.start);
    out += ", \"end\": ";
    out += std::to_string(e.end);
    field("kind", kindName(e.kind));
    field("text", e.text);
    field("translation", e.translation);
    if (e.candidate) field("candidate", *e.candidate);
    out += '}';
  }
  out += "]}";
}

}  // namespace vestrilo
