// The file job behind extractFile, over any collector of the pairs of lines,
// so that its batching, threads and in-order admission can be run on pairs
// made up for the purpose.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "vestrilo/vestrilo.h"

namespace vestrilo {

// Gives the unfiltered pairs of lines, as Extractor::collect does for several
// lines; called from several threads at once.
class LineCollector {
 public:
  virtual ~LineCollector() = default;
  virtual void collect(const std::vector<std::string_view>& lines, std::vector<Pair>& found,
                       std::vector<std::size_t>& ends) const = 0;
};

// extractFile with the pairs of each batch from `collector` (job.direction
// plays no part).
Status runFileJob(const FileJob& job, const LineCollector& collector);

}  // namespace vestrilo
