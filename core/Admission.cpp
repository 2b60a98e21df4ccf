#include "core/Admission.h"

namespace vestrilo {

void appendPairLine(std::string& out, std::string_view source, std::string_view translation) {
  out += source;
  out += " ||| ";
  out += translation;
  out += '\n';
}

}  // namespace vestrilo
