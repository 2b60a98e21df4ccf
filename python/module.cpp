// The Python module vestrilo._vestrilo, re-exported by the package vestrilo: a
// thin binding over the public header.
//
// A line given as str is handled in UTF-8 and gives str results with character
// offsets; a line given as bytes is in the extractor's encoding (GBK unless
// asked otherwise) and gives bytes results with byte offsets. The C++ work runs
// with the GIL released; an extractor may be shared by threads (the library
// makes that safe), so it takes no lock of its own.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "vestrilo/vestrilo.h"

namespace py = pybind11;

namespace {

using vestrilo::Direction;
using vestrilo::Encoding;
using vestrilo::Status;
using vestrilo::StatusCode;

// ---------------------------------------------------------------- errors

// The file's name as Python gives it back: decoded as os.fsdecode decodes it.
py::object fileNameObject(const std::string& name) {
  PyObject* o = PyUnicode_DecodeFSDefaultAndSize(name.data(), static_cast<Py_ssize_t>(name.size()));
  if (!o) throw py::error_already_set();
  return py::reinterpret_steal<py::object>(o);
}

// Raises the Python exception of a status that is not Ok: OSError (with errno,
// the text and the file's name, so that Python picks the subclass such as
// FileNotFoundError) for file errors, ValueError for values the call does not
// take, RuntimeError for an extractor that cannot work.
[[noreturn]] void raise(const Status& status) {
  switch (status.code()) {
    case StatusCode::CannotOpenInput:
    case StatusCode::CannotReadInput:
    case StatusCode::CannotOpenOutput:
    case StatusCode::CannotWriteOutput: {
      std::string text = status.message();
      if (status.systemError() != 0) text += std::string(": ") + std::strerror(status.systemError());
      py::object error = py::reinterpret_borrow<py::object>(PyExc_OSError)(status.systemError(), text,
                                                                           fileNameObject(status.fileName()));
      PyErr_SetObject(reinterpret_cast<PyObject*>(Py_TYPE(error.ptr())), error.ptr());
      throw py::error_already_set();
    }
    case StatusCode::OutputIsInput: {
      // As shutil.copyfile says it of the same file.
      py::object error = py::module_::import("shutil").attr("SameFileError")(
          "output file is the input file: " + py::str(fileNameObject(status.fileName())).cast<std::string>());
      error.attr("filename") = fileNameObject(status.fileName());
      PyErr_SetObject(reinterpret_cast<PyObject*>(Py_TYPE(error.ptr())), error.ptr());
      throw py::error_already_set();
    }
    case StatusCode::InvalidArgument:
    case StatusCode::LineTooLong:
    case StatusCode::CorruptBlock:
      throw py::value_error(status.toString());
    default:
      throw std::runtime_error(status.toString());
  }
}

Direction directionNamed(const std::string& name) {
  Direction direction;
  if (!vestrilo::directionNamed(name, direction))
    throw py::value_error("direction must be \"C2E\" or \"E2C\", not \"" + name + "\"");
  return direction;
}

Encoding encodingNamed(const std::string& name) {
  Encoding encoding;
  if (!vestrilo::encodingNamed(name, encoding))
    throw py::value_error("encoding must be \"GBK\" or \"UTF-8\", not \"" + name + "\"");
  return encoding;
}

vestrilo::Rules rulesNamed(const std::string& name) {
  vestrilo::Rules rules;
  if (!vestrilo::rulesNamed(name, rules))
    throw py::value_error("rules must be \"classic\" or \"extended\", not \"" + name + "\"");
  return rules;
}

vestrilo::Rendering renderingNamed(const std::string& name) {
  vestrilo::Rendering rendering;
  if (!vestrilo::renderingNamed(name, rendering))
    throw py::value_error("rendering must be one of tags, html, translated-tags, translated-html, pairs-html, not \"" +
                          name + "\"");
  return rendering;
}

// ---------------------------------------------------------------- texts

// A text handed in from Python: a view of its bytes, whether it came as str
// (UTF-8), and the object that holds the bytes (the text itself, or the UTF-8
// form of a str that has no cached one), kept alive with the view.
struct Text {
  std::string_view bytes;
  bool isStr = false;
  py::object holder;
};

Text textOf(py::handle object, const char* what) {
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
  throw py::type_error(std::string(what) + " must be str or bytes, not " + Py_TYPE(o)->tp_name);
}

// A result text as the line came: str from UTF-8, bytes as they are.
py::object resultOf(std::string_view bytes, bool isStr) {
  if (!isStr) return py::bytes(bytes.data(), bytes.size());
  PyObject* s = PyUnicode_DecodeUTF8(bytes.data(), static_cast<Py_ssize_t>(bytes.size()), "surrogatepass");
  if (!s) {
    PyErr_Clear();
    s = PyUnicode_DecodeUTF8(bytes.data(), static_cast<Py_ssize_t>(bytes.size()), "replace");
    if (!s) throw py::error_already_set();
  }
  return py::reinterpret_steal<py::object>(s);
}

// ---------------------------------------------------------------- Pair

// The Pair type: a struct sequence of two visible items (source, translation),
// so that a pair unpacks and compares as that tuple, and the candidate flag as
// a third field seen by name only. Made once, when the module is loaded.
PyTypeObject* pairType = nullptr;

PyObject* newPair(PyObject* source, PyObject* translation, bool candidate) {
  PyObject* p = PyStructSequence_New(pairType);
  if (!p) return nullptr;
  Py_INCREF(source);
  Py_INCREF(translation);
  PyStructSequence_SET_ITEM(p, 0, source);
  PyStructSequence_SET_ITEM(p, 1, translation);
  PyStructSequence_SET_ITEM(p, 2, Py_NewRef(candidate ? Py_True : Py_False));
  return p;
}

py::object pairOf(const vestrilo::Pair& p, bool isStr) {
  py::object source = resultOf(p.source, isStr);
  py::object translation = resultOf(p.translation, isStr);
  PyObject* pair = newPair(source.ptr(), translation.ptr(), p.candidate);
  if (!pair) throw py::error_already_set();
  return py::reinterpret_steal<py::object>(pair);
}

// Pair(source, translation, candidate=False)
PyObject* pairNew(PyTypeObject*, PyObject* args, PyObject* kwargs) {
  static const char* names[] = {"source", "translation", "candidate", nullptr};
  PyObject *source = nullptr, *translation = nullptr;
  int candidate = 0;
  if (!PyArg_ParseTupleAndKeywords(args, kwargs, "OO|p:Pair", const_cast<char**>(names), &source, &translation,
                                   &candidate))
    return nullptr;
  const bool str = PyUnicode_Check(source) && PyUnicode_Check(translation);
  if (!str && !(PyBytes_Check(source) && PyBytes_Check(translation))) {
    PyErr_SetString(PyExc_TypeError, "a pair's source and translation must both be str or both be bytes");
    return nullptr;
  }
  return newPair(source, translation, candidate != 0);
}

PyObject* pairRepr(PyObject* self) {
  return PyUnicode_FromFormat("Pair(source=%R, translation=%R, candidate=%R)", PyStructSequence_GET_ITEM(self, 0),
                              PyStructSequence_GET_ITEM(self, 1), PyStructSequence_GET_ITEM(self, 2));
}

PyObject* pairReduce(PyObject* self, PyObject*) {
  return Py_BuildValue("(O(OOO))", reinterpret_cast<PyObject*>(Py_TYPE(self)), PyStructSequence_GET_ITEM(self, 0),
                       PyStructSequence_GET_ITEM(self, 1), PyStructSequence_GET_ITEM(self, 2));
}

PyStructSequence_Field pairFields[] = {
    {"source", "The entity's text as it stands in the line."},
    {"translation", "Its translation."},
    {"candidate", "True for the second reading of an entity that has two; it follows its entity's first pair."},
    {nullptr, nullptr},
};

PyStructSequence_Desc pairDesc = {
    "vestrilo.Pair",
    "One translation pair: Pair(source, translation, candidate=False). It unpacks as (source, translation) and "
    "compares equal to that tuple; candidate is read by name.",
    pairFields,
    2,
};

PyMethodDef pairReduceMethod = {"__reduce__", pairReduce, METH_NOARGS, nullptr};

void makePairType(py::module_& m) {
  pairType = PyStructSequence_NewType(&pairDesc);
  if (!pairType) throw py::error_already_set();
  pairType->tp_new = pairNew;
  pairType->tp_repr = pairRepr;
  py::object reduce = py::reinterpret_steal<py::object>(PyDescr_NewMethod(pairType, &pairReduceMethod));
  if (!reduce || PyObject_SetAttrString(reinterpret_cast<PyObject*>(pairType), "__reduce__", reduce.ptr()) != 0)
    throw py::error_already_set();
  PyType_Modified(pairType);
  m.attr("Pair") = py::reinterpret_borrow<py::object>(reinterpret_cast<PyObject*>(pairType));
}

// A list of pairs, built with the C API: pairs_many makes one list per line,
// and the wrappers' checks would show.
py::list pairList(const vestrilo::Pair* first, const vestrilo::Pair* last, bool isStr) {
  py::list out(static_cast<std::size_t>(last - first));
  for (Py_ssize_t i = 0; first != last; ++first, ++i) PyList_SET_ITEM(out.ptr(), i, pairOf(*first, isStr).release().ptr());
  return out;
}

// Pairs handed in from Python: Pair objects, or (source, translation[,
// candidate]) sequences, all str or all bytes. `isStr` says which.
std::vector<vestrilo::Pair> pairsFrom(py::iterable items, bool& isStr) {
  std::vector<vestrilo::Pair> out;
  bool first = true;
  for (py::handle item : items) {
    const bool isPair = PyObject_TypeCheck(item.ptr(), pairType);
    if (!isPair && (!PySequence_Check(item.ptr()) || PyUnicode_Check(item.ptr()) || PyBytes_Check(item.ptr()) ||
                    (PySequence_Size(item.ptr()) != 2 && PySequence_Size(item.ptr()) != 3)))
      throw py::type_error("a pair must be a Pair or a (source, translation[, candidate]) sequence");
    const py::sequence seq = py::reinterpret_borrow<py::sequence>(item);
    const Text source = textOf(seq[0], "a pair's source");
    const Text translation = textOf(seq[1], "a pair's translation");
    if (source.isStr != translation.isStr || (!first && source.isStr != isStr))
      throw py::type_error("the pairs' texts must all be str or all be bytes");
    isStr = source.isStr;
    first = false;
    bool candidate = false;
    if (isPair)
      candidate = PyObject_IsTrue(PyStructSequence_GET_ITEM(item.ptr(), 2)) == 1;
    else if (py::len(seq) == 3)
      candidate = py::bool_(seq[2]);
    out.push_back(vestrilo::Pair{std::string(source.bytes), std::string(translation.bytes), candidate});
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

// ---------------------------------------------------------------- Registry

class PyRegistry {
 public:
  // The pairs written, in order; registers them.
  py::list admit(py::iterable pairs) {
    bool isStr = false;
    const std::vector<vestrilo::Pair> found = pairsFrom(pairs, isStr);
    std::vector<vestrilo::Pair> written;
    registry_.admit(found, written);
    return pairList(written.data(), written.data() + written.size(), isStr);
  }

  static py::list reduce(py::iterable pairs) {
    bool isStr = false;
    const std::vector<vestrilo::Pair> found = pairsFrom(pairs, isStr);
    std::vector<vestrilo::Pair> reduced;
    vestrilo::Registry::reduce(found, reduced);
    return pairList(reduced.data(), reduced.data() + reduced.size(), isStr);
  }

  // The listing lines ("source ||| translation\n") a block of reduce_block adds.
  py::bytes admitBlock(const py::bytes& block) {
    std::string lines;
    const Status status = registry_.admitBlock(std::string_view(block), lines);
    if (!status.ok()) raise(status);
    return py::bytes(lines);
  }

  bool contains(py::handle pair) {
    bool isStr = false;
    const std::vector<vestrilo::Pair> p = pairsFrom(py::make_tuple(pair), isStr);
    return registry_.contains(p[0].source, p[0].translation);
  }

  std::size_t size() const { return registry_.size(); }
  void clear() { registry_.clear(); }
  vestrilo::Registry& get() { return registry_; }

 private:
  vestrilo::Registry registry_;
};

// ---------------------------------------------------------------- Extractor

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
  PyExtractor(const std::string& direction, const std::string& encoding, const std::string& rules)
      : direction_(directionNamed(direction)),
        encoding_(encodingNamed(encoding)),
        rules_(rulesNamed(rules)),
        str_(direction_, vestrilo::Options{Encoding::UTF8, rules_}),
        bytes_(direction_, vestrilo::Options{encoding_, rules_}) {
    if (!str_.ok()) raise(str_.status());
    if (!bytes_.ok()) raise(bytes_.status());
  }

  py::list pairs(py::handle line) {
    const Text l = textOf(line, "a line");
    std::vector<vestrilo::Pair> written;
    {
      py::gil_scoped_release release;
      extractorFor(l).pairs(l.bytes, written);
    }
    return pairList(written.data(), written.data() + written.size(), l.isStr);
  }

  // The lines are taken in chunks, each extracted without the GIL; an
  // interrupt (KeyboardInterrupt, or any exception a signal handler raises) is
  // seen between chunks. A call that fails forgets the pairs it registered, so
  // that the registry is as it was before the call.
  py::list pairsMany(py::iterable lines) {
    constexpr std::size_t kChunk = 4096;  // lines taken in, then extracted without the GIL
    const CollectorPause pause;
    py::list out;
    std::vector<Text> chunk;
    std::vector<std::string_view> views;
    std::vector<vestrilo::Pair> written;    // reused from chunk to chunk
    std::vector<std::size_t> ends;          // where each line's pairs end in written
    std::vector<vestrilo::Pair> added[2];   // registered by this call: [0] by str_, [1] by bytes_
    auto flush = [&] {
      // Runs of lines of one kind (str or bytes) go to their extractor together.
      for (std::size_t from = 0; from < chunk.size();) {
        std::size_t to = from;
        views.clear();
        while (to < chunk.size() && chunk[to].isStr == chunk[from].isStr) views.push_back(chunk[to++].bytes);
        written.clear();
        ends.clear();
        vestrilo::Extractor& extractor = extractorFor(chunk[from]);
        {
          py::gil_scoped_release release;
          extractor.pairs(views, written, ends, added[&extractor == &str_ ? 0 : 1]);
        }
        std::size_t begin = 0;
        for (std::size_t i = 0; i < ends.size(); ++i) {
          out.append(pairList(written.data() + begin, written.data() + ends[i], chunk[from].isStr));
          begin = ends[i];
        }
        from = to;
      }
      chunk.clear();
      if (PyErr_CheckSignals() != 0) throw py::error_already_set();
    };
    try {
      for (py::handle line : lines) {
        chunk.push_back(textOf(line, "a line"));
        if (chunk.size() == kChunk) flush();
      }
      if (!chunk.empty()) flush();
    } catch (...) {
      str_.forget(added[0]);
      bytes_.forget(added[1]);
      throw;
    }
    return out;
  }

  py::list collect(py::handle line) const {
    const Text l = textOf(line, "a line");
    std::vector<vestrilo::Pair> found;
    {
      py::gil_scoped_release release;
      extractorFor(l).collect(l.bytes, found);
    }
    return pairList(found.data(), found.data() + found.size(), l.isStr);
  }

  py::list entities(py::handle line) const {
    const Text l = textOf(line, "a line");
    std::vector<vestrilo::Entity> found;
    {
      py::gil_scoped_release release;
      found = extractorFor(l).entities(l.bytes);
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
      if (l.isStr) {
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
      p.translation = resultOf(e.translation, l.isStr);
      p.candidate = e.candidate ? resultOf(*e.candidate, l.isStr) : py::none();
      out.append(py::cast(std::move(p)));
    }
    return out;
  }

  // With a registry the work runs under the GIL, which guards the registry.
  py::object render(py::handle line, const std::string& rendering, PyRegistry* registry) const {
    const vestrilo::Rendering r = renderingNamed(rendering);
    const Text l = textOf(line, "a line");
    std::string out;
    if (registry) {
      out = extractorFor(l).render(l.bytes, r, registry->get());
    } else {
      py::gil_scoped_release release;
      out = extractorFor(l).render(l.bytes, r);
    }
    return resultOf(out, l.isStr);
  }

  py::bytes reduceBlock(const py::bytes& lines, bool startOfInput) const {
    std::string block;
    Status status;
    {
      const std::string_view data = lines;
      py::gil_scoped_release release;
      status = vestrilo::reduceBlock(bytes_, data, startOfInput, block);
    }
    if (!status.ok()) raise(status);
    return py::bytes(block);
  }

  void reset() {
    py::gil_scoped_release release;
    str_.reset();
    bytes_.reset();
  }

  std::string direction() const { return std::string(vestrilo::directionName(direction_)); }
  std::string encoding() const { return std::string(vestrilo::encodingName(encoding_)); }
  std::string rules() const { return std::string(vestrilo::rulesName(rules_)); }

 private:
  // str lines go to the UTF-8 extractor; bytes lines to the extractor of the
  // encoding, which is the same one when that is UTF-8 (one registry for both).
  vestrilo::Extractor& extractorFor(const Text& l) { return l.isStr || encoding_ == Encoding::UTF8 ? str_ : bytes_; }
  const vestrilo::Extractor& extractorFor(const Text& l) const {
    return l.isStr || encoding_ == Encoding::UTF8 ? str_ : bytes_;
  }

  Direction direction_;
  Encoding encoding_;
  vestrilo::Rules rules_;
  vestrilo::Extractor str_;    // UTF-8
  vestrilo::Extractor bytes_;  // the encoding of bytes lines
};

// ---------------------------------------------------------------- extract_file

// A path as os.fsencode gives it; ValueError for an embedded NUL, as open() says.
std::string pathOf(py::object path) {
  const py::bytes encoded = py::module_::import("os").attr("fsencode")(path);
  std::string bytes = encoded;
  if (bytes.find('\0') != std::string::npos) throw py::value_error("embedded null byte");
  return bytes;
}

// Stops a file job once Python has an exception to raise from a signal
// (KeyboardInterrupt): asked between batches, on the job's own thread.
class InterruptCheck final : public vestrilo::Progress {
 public:
  bool cancelled() override {
    if (!raised_) {
      py::gil_scoped_acquire acquire;
      if (PyErr_CheckSignals() != 0) {
        raised_ = true;
        error_ = std::make_unique<py::error_already_set>();  // holds the exception until the GIL is back
      }
    }
    return raised_;
  }
  // Puts the exception back, with the GIL held; true when there is one.
  bool raised() {
    if (!raised_) return false;
    error_->restore();
    return true;
  }

 private:
  bool raised_ = false;
  std::unique_ptr<py::error_already_set> error_;
};

void extractFile(const std::string& direction, py::object infile, py::object outfile, const std::string& encoding,
                 std::optional<unsigned> threads, const std::string& rules) {
  vestrilo::FileJob job;
  job.direction = directionNamed(direction);
  job.options.encoding = encodingNamed(encoding);
  job.options.rules = rulesNamed(rules);
  job.input = pathOf(infile);
  job.output = pathOf(outfile);
  if (threads && *threads == 0) throw py::value_error("threads must be a positive number");
  job.threads = threads ? *threads : 0;
  InterruptCheck interrupts;
  job.progress = &interrupts;
  Status status;
  {
    py::gil_scoped_release release;
    status = vestrilo::extractFile(job);
  }
  if (interrupts.raised()) throw py::error_already_set();
  if (!status.ok()) raise(status);
}

}  // namespace

PYBIND11_MODULE(_vestrilo, m) {
  m.doc() = "Finds number and time expressions in text and translates them between Chinese and English.";
  m.attr("__version__") = vestrilo::version();

  makePairType(m);

  py::list kinds;
  for (int k = 0; k < vestrilo::kEntityKinds; ++k)
    kinds.append(py::str(std::string(vestrilo::kindName(static_cast<vestrilo::EntityKind>(k)))));
  m.attr("KINDS") = py::tuple(kinds);

  py::class_<PyEntity>(m, "Entity",
                       "One entity of a line: its span (start, end), kind, text, translation and, for the two "
                       "English kinds with a second reading, that reading (candidate, else None).")
      .def_readonly("start", &PyEntity::start, "Offset of the entity in the line (characters of a str, bytes of bytes).")
      .def_readonly("end", &PyEntity::end, "Offset just past the entity; line[start:end] is its text.")
      .def_readonly("kind", &PyEntity::kind, "The kind's name, one of KINDS, such as 'Date', 'Clock' or 'FigureOrClock'.")
      .def_readonly("text", &PyEntity::text, "The entity's text as it stands in the line.")
      .def_readonly("translation", &PyEntity::translation, "Its translation; empty when it has none.")
      .def_readonly("candidate", &PyEntity::candidate, "The second reading, or None.")
      .def("__repr__", &PyEntity::repr)
      .def("__eq__", [](const PyEntity& a, const PyEntity& b) { return a == b; });

  py::class_<PyRegistry>(m, "Registry",
                         "The pairs written so far, and the rule that decides which pairs are written: a pair is "
                         "written the first time it occurs, never with an empty translation, and a second reading "
                         "exactly when the pair before it is written. Pairs are Pair objects or (source, "
                         "translation[, candidate]) tuples, all str or all bytes.")
      .def(py::init<>())
      .def("admit", &PyRegistry::admit, py::arg("pairs"),
           "Runs the unfiltered pairs of whole lines, in order, through the rule: the pairs written, which are "
           "registered from now on.")
      .def_static("reduce", &PyRegistry::reduce, py::arg("pairs"),
                  "The pairs of a block of whole lines reduced to those that can still be written when the block is "
                  "admitted after any earlier ones.")
      .def("admit_block", &PyRegistry::admitBlock, py::arg("block"),
           "Admits a block of reduce_block; the listing lines (b'source ||| translation\\n') it adds. ValueError "
           "for bytes reduce_block did not write.")
      .def("__contains__", &PyRegistry::contains, py::arg("pair"))
      .def("__len__", &PyRegistry::size)
      .def("clear", &PyRegistry::clear, "Forgets every pair.");

  py::class_<PyExtractor>(m, "Extractor",
                          "Recognition and translation of lines in one direction, with a registry of the pairs it "
                          "has given. Extractor('C2E') reads word-segmented Chinese, Extractor('E2C') English. str "
                          "lines are UTF-8 text; bytes lines are in `encoding` (GBK unless given). One extractor "
                          "may be used by several threads at once.")
      .def(py::init<const std::string&, const std::string&, const std::string&>(), py::arg("direction"),
           py::arg("encoding") = "GBK", py::arg("rules") = "classic",
           "direction: 'C2E' (Chinese to English) or 'E2C' (English to Chinese); encoding: of bytes lines, 'GBK' "
           "or 'UTF-8' (any letter case); rules: 'classic' (output kept from release to release) or 'extended' "
           "(more forms read, false readings guarded), any letter case. Anything else raises ValueError.")
      .def_property_readonly("direction", &PyExtractor::direction, "'C2E' or 'E2C'.")
      .def_property_readonly("encoding", &PyExtractor::encoding, "The encoding of bytes lines, 'GBK' or 'UTF-8'.")
      .def_property_readonly("rules", &PyExtractor::rules, "The rules applied, 'classic' or 'extended'.")
      .def("pairs", &PyExtractor::pairs, py::arg("line"),
           "The new pairs of one line, as the command line writes them: a pair given before by this extractor is "
           "left out. str in, str out; bytes in, bytes out. str and bytes lines in the same encoding share one "
           "registry.")
      .def("pairs_many", &PyExtractor::pairsMany, py::arg("lines"),
           "pairs() over an iterable of lines, one list per line, computed with the GIL released in chunks of "
           "lines. An interrupt is seen between chunks. A call that raises (KeyboardInterrupt, an iterable that "
           "raises, a line of the wrong type) leaves the registry as it was before the call.")
      .def("collect", &PyExtractor::collect, py::arg("line"),
           "Every pair of the line in order, second readings marked, neither filtered nor registered.")
      .def("entities", &PyExtractor::entities, py::arg("line"),
           "Every entity of the line in order, as Entity objects, whether or not its pair was given before.")
      .def("render", &PyExtractor::render, py::arg("line"), py::arg("rendering"), py::arg("registry") = nullptr,
           "The line rendered whole, as vestrilo-view writes it: rendering is 'tags', 'html', 'translated-tags', "
           "'translated-html' or 'pairs-html'. The pair lines show the pairs `registry` admits (and register them "
           "there); without one, every distinct pair of the line.")
      .def("reset", &PyExtractor::reset, "Forgets the pairs given so far.");

  m.def("extract_file", &extractFile, py::arg("direction"), py::arg("infile"), py::arg("outfile"),
        py::arg("encoding") = "GBK", py::arg("threads") = py::none(), py::arg("rules") = "classic",
        "The command line's job without its console text: reads infile (one sentence per line) and writes the "
        "run's distinct 'source ||| translation' pairs to outfile. encoding is 'GBK' or 'UTF-8'; threads "
        "defaults to one per core (at most 256; fewer where no more can be started); rules is 'classic' or "
        "'extended'. Paths are str, bytes or path-like, as open() takes them. A regular outfile is written beside "
        "its place and renamed over it when complete: on any failure an old file is left as it was. Raises "
        "OSError (with errno and filename) when a file cannot be opened, read or written, shutil.SameFileError "
        "(an OSError) when outfile is infile, also through a link, ValueError for a bad argument, a path with a "
        "NUL or a line too long; an interrupt (KeyboardInterrupt) stops the job between batches of lines.");

  m.def(
      "reduce_block",
      [](const PyExtractor& extractor, const py::bytes& lines, bool startOfInput) {
        return extractor.reduceBlock(lines, startOfInput);
      },
      py::arg("extractor"), py::arg("lines"), py::arg("start_of_input") = false,
      "The pairs of a block of whole lines (bytes in the extractor's encoding, as in a file) reduced to those that "
      "can still be written after the blocks before it, as bytes for Registry.admit_block (the cluster mode's "
      "worker side). At the start of the input a UTF-8 byte-order mark is skipped.");

  // For vestrilo.distributed; not part of the documented API.
  m.def(
      "_encoding_name", [](const std::string& name) { return std::string(vestrilo::encodingName(encodingNamed(name))); },
      py::arg("name"), "The encoding's name as written, \"GBK\" or \"UTF-8\"; ValueError for any other.");
}
