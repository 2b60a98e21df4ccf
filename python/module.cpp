// The Python module vestrilo._vestrilo, re-exported by the package vestrilo.
//
// A line given as str is handled in UTF-8 and gives str results with character
// offsets; a line given as bytes is GBK and gives bytes results with byte
// offsets. The C++ work runs with the GIL released, so extractors in several
// Python threads run in parallel; each extractor takes a lock of its own, so one
// extractor shared by threads is safe (its calls then run one at a time).
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "vestrilo/vestrilo.h"

namespace py = pybind11;

namespace {

using vestrilo::Direction;
using vestrilo::Encoding;

Direction parseDirection(const std::string& name) {
  if (name == "C2E") return Direction::ChineseToEnglish;
  if (name == "E2C") return Direction::EnglishToChinese;
  throw py::value_error("direction must be \"C2E\" or \"E2C\", not \"" + name + "\"");
}

Encoding parseEncoding(const std::string& name) {
  Encoding encoding;
  if (!vestrilo::encodingNamed(name, encoding))
    throw py::value_error("encoding must be \"GBK\" or \"UTF-8\", not \"" + name + "\"");
  return encoding;
}

// A line handed in from Python: a view of its bytes, whether it came as str
// (UTF-8), and the object that holds the bytes (the line itself, or the UTF-8
// form of a str that has no cached one), kept alive with the view.
struct Line {
  std::string_view bytes;
  bool text = false;
  py::object holder;
};

Line lineOf(py::handle object) {
  PyObject* o = object.ptr();
  if (PyUnicode_Check(o)) {
    Py_ssize_t size = 0;
    // The UTF-8 form a str caches for itself, read in place.
    if (const char* utf8 = PyUnicode_AsUTF8AndSize(o, &size))
      return {std::string_view(utf8, static_cast<std::size_t>(size)), true, py::reinterpret_borrow<py::object>(object)};
    // Lone surrogates have no UTF-8 form; they travel as their three-byte
    // encodings, which the extractor reads as invalid UTF-8.
    PyErr_Clear();
    py::object encoded = py::reinterpret_steal<py::object>(PyUnicode_AsEncodedString(o, "utf-8", "surrogatepass"));
    if (!encoded) throw py::error_already_set();
    const std::string_view bytes(PyBytes_AS_STRING(encoded.ptr()), static_cast<std::size_t>(PyBytes_GET_SIZE(encoded.ptr())));
    return {bytes, true, std::move(encoded)};
  }
  if (PyBytes_Check(o))
    return {std::string_view(PyBytes_AS_STRING(o), static_cast<std::size_t>(PyBytes_GET_SIZE(o))), false,
            py::reinterpret_borrow<py::object>(object)};
  throw py::type_error(std::string("a line must be str or bytes, not ") + Py_TYPE(o)->tp_name);
}

// A result text as the line came: str from UTF-8, bytes from GBK.
py::object resultOf(std::string_view bytes, bool text) {
  if (!text) return py::bytes(bytes.data(), bytes.size());
  PyObject* s = PyUnicode_DecodeUTF8(bytes.data(), static_cast<Py_ssize_t>(bytes.size()), "surrogatepass");
  if (!s) {
    PyErr_Clear();
    s = PyUnicode_DecodeUTF8(bytes.data(), static_cast<Py_ssize_t>(bytes.size()), "replace");
    if (!s) throw py::error_already_set();
  }
  return py::reinterpret_steal<py::object>(s);
}

// The pairs as a list of (source, translation) tuples, built with the C API:
// pairs_many makes one list per line, and the wrappers' checks would show.
py::list pairList(const vestrilo::Pair* first, const vestrilo::Pair* last, bool text) {
  py::list out(static_cast<std::size_t>(last - first));
  for (Py_ssize_t i = 0; first != last; ++first, ++i) {
    py::object source = resultOf(first->source, text);
    py::object translation = resultOf(first->translation, text);
    PyObject* pair = PyTuple_Pack(2, source.ptr(), translation.ptr());
    if (!pair) throw py::error_already_set();
    PyList_SET_ITEM(out.ptr(), i, pair);
  }
  return out;
}

// Holds Python's cyclic garbage collector off while many result containers are
// made: each list or tuple would count towards a collection, and the
// collections would walk the growing result again and again. They hold no
// cycles, so nothing is left for the collector to find.
class CollectorPause {
 public:
  CollectorPause() : wasEnabled_(PyGC_Disable() != 0) {}
  ~CollectorPause() {
    if (wasEnabled_) PyGC_Enable();
  }
  CollectorPause(const CollectorPause&) = delete;
  CollectorPause& operator=(const CollectorPause&) = delete;

 private:
  bool wasEnabled_;
};

// One entity as Python sees it.
struct PyEntity {
  py::object start, end, kind, text, translation, candidate;

  std::string repr() const {
    return "Entity(start=" + py::repr(start).cast<std::string>() + ", end=" + py::repr(end).cast<std::string>() +
           ", kind=" + py::repr(kind).cast<std::string>() + ", text=" + py::repr(text).cast<std::string>() +
           ", translation=" + py::repr(translation).cast<std::string>() +
           ", candidate=" + py::repr(candidate).cast<std::string>() + ")";
  }
  bool operator==(const PyEntity& o) const {
    return start.equal(o.start) && end.equal(o.end) && kind.equal(o.kind) && text.equal(o.text) &&
           translation.equal(o.translation) && candidate.equal(o.candidate);
  }
};

class PyExtractor {
 public:
  explicit PyExtractor(const std::string& direction) : direction_(parseDirection(direction)) {}

  py::list pairs(py::handle line) {
    const Line l = lineOf(line);
    std::vector<vestrilo::Pair> found, written;
    {
      py::gil_scoped_release release;
      std::lock_guard<std::mutex> lock(mutex_);
      admitLine(l, found, written);
    }
    return pairList(written.data(), written.data() + written.size(), l.text);
  }

  py::list pairsMany(py::iterable lines) {
    constexpr std::size_t kChunk = 4096;  // lines taken in, then extracted without the GIL
    const CollectorPause pause;
    py::list out;
    std::vector<Line> chunk;
    std::vector<vestrilo::Pair> found, written;  // reused from chunk to chunk
    std::vector<std::size_t> ends;                // where each line's pairs end in written
    auto flush = [&] {
      ends.clear();
      written.clear();
      {
        py::gil_scoped_release release;
        std::lock_guard<std::mutex> lock(mutex_);
        for (const Line& l : chunk) {
          admitLine(l, found, written);
          ends.push_back(written.size());
        }
      }
      std::size_t begin = 0;
      for (std::size_t i = 0; i < chunk.size(); ++i) {
        out.append(pairList(written.data() + begin, written.data() + ends[i], chunk[i].text));
        begin = ends[i];
      }
      chunk.clear();
    };
    for (py::handle line : lines) {
      chunk.push_back(lineOf(line));
      if (chunk.size() == kChunk) flush();
    }
    if (!chunk.empty()) flush();
    return out;
  }

  py::list entities(py::handle line) {
    const Line l = lineOf(line);
    std::vector<vestrilo::Entity> found;
    {
      py::gil_scoped_release release;
      std::lock_guard<std::mutex> lock(mutex_);
      found = extractorFor(l.text).entities(l.bytes);
    }
    py::list out;
    // Character offsets of a str line: the bytes that start a UTF-8 sequence
    // before the byte offset, counted as the entities go along the line.
    std::size_t byte = 0, character = 0;
    auto characterAt = [&](std::size_t offset) {
      for (; byte < offset && byte < l.bytes.size(); ++byte)
        if ((static_cast<unsigned char>(l.bytes[byte]) & 0xC0) != 0x80) ++character;
      return character;
    };
    for (const vestrilo::Entity& e : found) {
      PyEntity p;
      if (l.text) {
        const std::size_t start = characterAt(e.start), end = characterAt(e.end);
        p.start = py::int_(start);
        p.end = py::int_(end);
        p.text = py::reinterpret_steal<py::object>(
            PyUnicode_Substring(line.ptr(), static_cast<Py_ssize_t>(start), static_cast<Py_ssize_t>(end)));
        if (!p.text) throw py::error_already_set();
      } else {
        p.start = py::int_(e.start);
        p.end = py::int_(e.end);
        p.text = resultOf(e.text, false);
      }
      p.kind = py::str(std::string(vestrilo::kindName(e.kind)));
      p.translation = resultOf(e.translation, l.text);
      p.candidate = e.candidate ? resultOf(*e.candidate, l.text) : py::none();
      out.append(py::cast(std::move(p)));
    }
    return out;
  }

  void reset() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (utf8_) utf8_->reset();
    if (gbk_) gbk_->reset();
  }

  std::string direction() const { return direction_ == Direction::ChineseToEnglish ? "C2E" : "E2C"; }

 private:
  // Appends the new pairs of the line to `written` (under the lock, without the GIL).
  void admitLine(const Line& l, std::vector<vestrilo::Pair>& found, std::vector<vestrilo::Pair>& written) {
    vestrilo::Extractor& extractor = extractorFor(l.text);
    found.clear();
    extractor.collect(l.bytes, found);
    if (!found.empty()) extractor.registry().admit(found.data(), found.data() + found.size(), written);
  }

  vestrilo::Extractor& extractorFor(bool text) {
    std::optional<vestrilo::Extractor>& slot = text ? utf8_ : gbk_;
    if (!slot) slot.emplace(direction_, vestrilo::Options{text ? Encoding::UTF8 : Encoding::GBK});
    return *slot;
  }

  Direction direction_;
  std::optional<vestrilo::Extractor> utf8_;  // str lines
  std::optional<vestrilo::Extractor> gbk_;   // bytes lines
  std::mutex mutex_;
};

void extractFile(const std::string& direction, py::object infile, py::object outfile, const std::string& encoding,
                 std::optional<unsigned> threads) {
  vestrilo::FileJob job;
  job.direction = parseDirection(direction);
  job.encoding = parseEncoding(encoding);
  py::module_ os = py::module_::import("os");
  job.input = py::str(os.attr("fsdecode")(infile));
  job.output = py::str(os.attr("fsdecode")(outfile));
  if (threads && *threads == 0) throw py::value_error("threads must be a positive number");
  job.threads = threads ? *threads : 0;
  vestrilo::Status status;
  {
    py::gil_scoped_release release;
    status = vestrilo::extractFile(job);
  }
  if (!status.ok()) {
    PyErr_SetString(PyExc_OSError, status.toString().c_str());
    throw py::error_already_set();
  }
}

// Distributed runs (vestrilo.distributed). A worker turns a block of whole lines
// into its reduced pairs (Registry::reduce), packed into one bytes object; the
// coordinator admits the packed blocks in input order through one registry.
// Packing: per pair, the source length and the translation length (4 bytes
// each, little-endian), a candidate byte, then the two texts.

py::bytes blockPairs(const std::string& direction, const std::string& encoding, const py::bytes& block) {
  const vestrilo::Extractor extractor(parseDirection(direction), vestrilo::Options{parseEncoding(encoding)});
  std::string_view data = block;
  std::string packed;
  vestrilo::Status status;
  {
    py::gil_scoped_release release;
    status = vestrilo::reduceBlock(extractor, data, false, packed);
  }
  if (!status.ok()) throw py::value_error(status.toString());
  return py::bytes(packed);
}

// The coordinator's side: the run's registry, fed packed blocks in input order.
class Merger {
 public:
  // The listing lines ("source ||| translation\n") the block adds to the output.
  py::bytes admit(const py::bytes& packedBlock) {
    std::string_view in = packedBlock;
    std::string lines;
    vestrilo::Status status;
    {
      py::gil_scoped_release release;
      status = registry_.admitBlock(in, lines);
    }
    if (!status.ok()) throw py::value_error(status.toString());
    return py::bytes(lines);
  }

  std::size_t size() const { return registry_.size(); }

 private:
  vestrilo::Registry registry_;
};

}  // namespace

PYBIND11_MODULE(_vestrilo, m) {
  m.doc() = "Finds number and time expressions in text and translates them between Chinese and English.";
  m.attr("__version__") = vestrilo::version();

  py::class_<PyEntity>(m, "Entity",
                       "One entity of a line: its span (start, end), kind, text, translation and, for the two "
                       "English kinds with a second reading, that reading (candidate, else None).")
      .def_readonly("start", &PyEntity::start, "Offset of the entity in the line (characters of a str, bytes of bytes).")
      .def_readonly("end", &PyEntity::end, "Offset just past the entity; line[start:end] is its text.")
      .def_readonly("kind", &PyEntity::kind, "Stable kind name, such as 'Date', 'Clock' or 'FigureOrClock'.")
      .def_readonly("text", &PyEntity::text, "The entity's text as it stands in the line.")
      .def_readonly("translation", &PyEntity::translation, "Its translation; empty when it has none.")
      .def_readonly("candidate", &PyEntity::candidate, "The second reading, or None.")
      .def("__repr__", &PyEntity::repr)
      .def("__eq__", [](const PyEntity& a, const PyEntity& b) { return a == b; });

  py::class_<PyExtractor>(m, "Extractor",
                          "Recognition and translation of lines in one direction, with a registry of the pairs it "
                          "has given. Extractor('C2E') reads word-segmented Chinese, Extractor('E2C') English. "
                          "str lines are UTF-8 text and bytes lines GBK; each kind has a registry of its own.")
      .def(py::init<const std::string&>(), py::arg("direction"),
           "direction: 'C2E' (Chinese to English) or 'E2C' (English to Chinese); anything else raises ValueError.")
      .def_property_readonly("direction", &PyExtractor::direction, "'C2E' or 'E2C'.")
      .def("pairs", &PyExtractor::pairs, py::arg("line"),
           "The new (source, translation) pairs of one line, as the command line writes them: a pair given "
           "before by this extractor is left out. str in, str out; bytes (GBK) in, bytes out.")
      .def("pairs_many", &PyExtractor::pairsMany, py::arg("lines"),
           "pairs() over an iterable of lines, one list per line, computed with the GIL released.")
      .def("entities", &PyExtractor::entities, py::arg("line"),
           "Every entity of the line in order, as Entity objects, whether or not its pair was given before.")
      .def("reset", &PyExtractor::reset, "Forgets the pairs given so far.");

  m.def("extract_file", &extractFile, py::arg("direction"), py::arg("infile"), py::arg("outfile"),
        py::arg("encoding") = "GBK", py::arg("threads") = py::none(),
        "The command line's job without its console text: reads infile (one sentence per line) and writes the "
        "run's distinct 'source ||| translation' pairs to outfile. encoding is 'GBK' or 'UTF-8'; threads "
        "defaults to one per core. Raises OSError when a file cannot be opened, read or written.");

  // For vestrilo.distributed; not part of the documented API.
  m.def(
      "_encoding_name",
      [](const std::string& name) -> std::string { return parseEncoding(name) == Encoding::GBK ? "GBK" : "UTF-8"; },
      py::arg("name"), "The encoding's name as written, \"GBK\" or \"UTF-8\"; ValueError for any other.");
  m.def("_block_pairs", &blockPairs, py::arg("direction"), py::arg("encoding"), py::arg("block"),
        "The reduced pairs of a block of whole lines, packed (worker side of a distributed run).");
  py::class_<Merger>(m, "_Merger", "The registry of a distributed run (coordinator side).")
      .def(py::init<>())
      .def("admit", &Merger::admit, py::arg("packed_block"),
           "The listing lines a packed block adds, in order; registers what they hold.")
      .def("__len__", &Merger::size);
}
