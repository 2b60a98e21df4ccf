#include "core/Utf8Gbk.h"

#include <iconv.h>

#include <cstring>
#include <limits>
#include <memory>

namespace vestrilo::utf8 {

namespace {

constexpr unsigned kFirstLead = 0x81, kLastLead = 0xFE;
constexpr unsigned kFirstTrail = 0x40, kLastTrail = 0xFE;
constexpr std::size_t kTrails = kLastTrail - kFirstTrail + 1;
constexpr std::size_t kPairs = (kLastLead - kFirstLead + 1) * kTrails;

// The tables, made once with iconv. Every two-byte GBK code that iconv reads as
// one character is in `characters`. `codes` is that table turned round: for
// each BMP character the code iconv reads as it. That is the code iconv writes
// for the character (the GBK converter maps the two ways one to one; a test
// compares the two directions of iconv character by character), and it costs
// a third of the iconv calls of asking for each BMP character.
struct Tables {
  std::uint16_t codes[0x10000] = {};
  char32_t characters[kPairs] = {};
  char32_t singleByte[0x80] = {};  // bytes 0x80..0xFF that iconv reads alone (0x80: the euro sign)
  bool available = false;

  Tables() {
    iconv_t fromGbk = iconv_open("UTF-32LE", "GBK");
    if (fromGbk != reinterpret_cast<iconv_t>(-1)) {
      available = true;
      for (unsigned lead = kFirstLead; lead <= kLastLead; ++lead) {
        for (unsigned trail = kFirstTrail; trail <= kLastTrail; ++trail) {
          const char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
          const char32_t c = oneCharacter(fromGbk, in, 2);
          characters[(lead - kFirstLead) * kTrails + (trail - kFirstTrail)] = c;
          if (c != 0 && c < 0x10000 && codes[c] == 0) codes[c] = static_cast<std::uint16_t>(lead << 8 | trail);
        }
      }
      for (unsigned b = 0x80; b <= 0xFF; ++b) {
        const char in[1] = {static_cast<char>(b)};
        singleByte[b - 0x80] = oneCharacter(fromGbk, in, 1);
      }
      iconv_close(fromGbk);
    }
  }

  // Converts the whole input; the number of bytes written, or npos when iconv
  // refused part of it.
  static std::size_t convert(iconv_t cd, const char* in, std::size_t inSize, unsigned char* out,
                             std::size_t outSize) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* inp = const_cast<char*>(in);
    char* outp = reinterpret_cast<char*>(out);
    std::size_t inLeft = inSize, outLeft = outSize;
    if (iconv(cd, &inp, &inLeft, &outp, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0)
      return std::string_view::npos;
    return outSize - outLeft;
  }

  // The one character that iconv reads the bytes as, or 0.
  static char32_t oneCharacter(iconv_t fromGbk, const char* in, std::size_t size) {
    unsigned char out[16];
    if (convert(fromGbk, in, size, out, sizeof out) != 4) return 0;
    const char32_t c = char32_t(out[0]) | char32_t(out[1]) << 8 | char32_t(out[2]) << 16 | char32_t(out[3]) << 24;
    return c < 0x80 || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF) ? 0 : c;
  }
};

const Tables& tables() {
  // Made on first use; a function-local static is initialised exactly once
  // even when threads ask for it together.
  static const std::unique_ptr<const Tables> t = std::make_unique<const Tables>();
  return *t;
}

inline bool isContinuation(unsigned char b) { return b >= 0x80 && b <= 0xBF; }

// decode() on n bytes at p; the common two- and three-byte characters are taken
// without the general path.
inline Decoded decodeAt(const unsigned char* p, std::size_t n) {
  Decoded d;
  if (n == 0) return d;
  const unsigned char b0 = p[0];
  // The common case first: a three-byte character other than E0 and ED (whose
  // second byte has a narrower range), its two continuation bytes tested at once.
  if (b0 - 0xE1u < 15u && b0 != 0xED && n >= 3 && ((p[1] ^ 0x80u) | (p[2] ^ 0x80u)) < 0x40u) {
    d.character = char32_t(b0 & 0x0F) << 12 | char32_t(p[1] & 0x3F) << 6 | (p[2] & 0x3F);
    d.length = 3;
    d.valid = true;
    return d;
  }
  if (b0 >= 0xC2 && b0 <= 0xDF && n >= 2 && isContinuation(p[1])) {
    d.character = char32_t(b0 & 0x1F) << 6 | (p[1] & 0x3F);
    d.length = 2;
    d.valid = true;
    return d;
  }
  const auto byte = [&](std::size_t i) { return p[i]; };
  const std::size_t size = n;
  d.length = 1;
  if (b0 < 0x80) {
    d.character = b0;
    d.valid = true;
    return d;
  }
  // The lead byte fixes the length and the range of the second byte
  // (well-formed sequences as the Unicode standard lists them).
  std::size_t length;
  unsigned char low = 0x80, high = 0xBF;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    length = 2;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    length = 3;
    if (b0 == 0xE0) low = 0xA0;   // no overlong forms
    if (b0 == 0xED) high = 0x9F;  // no surrogates
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    length = 4;
    if (b0 == 0xF0) low = 0x90;
    if (b0 == 0xF4) high = 0x8F;  // nothing past U+10FFFF
  } else {
    return d;  // a continuation byte, C0, C1 or F5..FF: one ill-formed byte
  }
  char32_t c = b0 & (length == 2 ? 0x1F : length == 3 ? 0x0F : 0x07);
  for (std::size_t i = 1; i < length; ++i) {
    if (i >= size) return d;  // truncated: the bytes so far are the subpart
    const unsigned char b = byte(i);
    const bool fits = i == 1 ? (b >= low && b <= high) : isContinuation(b);
    if (!fits) return d;
    c = c << 6 | (b & 0x3F);
    d.length = i + 1;
  }
  d.character = c;
  d.valid = true;
  return d;
}

// The conversion loop of toGbk, from u[i] on, writing GBK bytes at g and their
// positions at p (all three moved on); with RoomChecked it stops when two more
// GBK bytes would pass gEnd. Locals only: a store through a char pointer may
// alias anything, so nothing the loop reads lives behind a reference.
template <bool RoomChecked>
void convertCharacters(const unsigned char* u, std::size_t n, const std::uint16_t* codes, std::uint16_t standInCode,
                       const char* gEnd, std::size_t& iInOut, char*& gInOut, std::uint32_t*& pInOut) {
  std::size_t i = iInOut;
  char* g = gInOut;
  std::uint32_t* p = pInOut;
  while (i < n && (!RoomChecked || g + 2 <= gEnd)) {
    const unsigned b = u[i];
    if (b < 0x80) {
      *g++ = static_cast<char>(b);
      *p++ = static_cast<std::uint32_t>(i++);
      continue;
    }
    const std::uint32_t at = static_cast<std::uint32_t>(i);
    const Decoded d = decodeAt(u + i, n - i);
    std::uint16_t code = d.valid && d.character < 0x10000 ? codes[d.character] : 0;
    i += d.length;
    if (code == 0) code = standInCode;
    g[0] = static_cast<char>(code >> 8);
    g[1] = static_cast<char>(code & 0xFF);
    g += 2;
    p[0] = p[1] = at;
    p += 2;
  }
  iInOut = i;
  gInOut = g;
  pInOut = p;
}

}  // namespace

Decoded decode(std::string_view text) {
  return decodeAt(reinterpret_cast<const unsigned char*>(text.data()), text.size());
}

bool isAscii(std::string_view text) {
  const char* p = text.data();
  std::size_t n = text.size();
  // Eight bytes at a time: no byte has its high bit set.
  for (; n >= 8; p += 8, n -= 8) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    if (word & 0x8080808080808080ull) return false;
  }
  for (; n > 0; ++p, --n)
    if (static_cast<unsigned char>(*p) >= 0x80) return false;
  return true;
}

void appendCharacter(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | c >> 6);
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | c >> 12);
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | c >> 18);
    out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::uint16_t gbkCode(char32_t c) { return c < 0x10000 ? tables().codes[c] : 0; }

char32_t gbkCharacter(unsigned char lead, unsigned char trail) {
  if (lead < kFirstLead || lead > kLastLead || trail < kFirstTrail || trail > kLastTrail) return 0;
  return tables().characters[(lead - kFirstLead) * kTrails + (trail - kFirstTrail)];
}

void toGbk(std::string_view utf8, std::string& gbk, std::vector<std::uint32_t>& positions) {
  const Tables& t = tables();
  // Every UTF-8 byte gives at most two GBK bytes (an ill-formed byte becomes the
  // stand-in), so the buffers are sized once and cut to length at the end.
  constexpr std::size_t kLimit = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
  const std::size_t n = utf8.size();
  const bool fits = n < kLimit / 2;  // then the whole line converts, with no check of the room left
  const std::size_t capacity = fits ? 2 * n : kLimit;
  if (gbk.size() < capacity) gbk.resize(capacity);
  if (positions.size() < capacity + 1) positions.resize(capacity + 1);
  char* const g0 = gbk.data();
  char* g = g0;
  char* const gEnd = g0 + capacity;
  std::uint32_t* p = positions.data();
  const auto* const u = reinterpret_cast<const unsigned char*>(utf8.data());
  const std::uint16_t* const codes = t.codes;
  const std::uint16_t standInCode = static_cast<std::uint16_t>(static_cast<unsigned char>(standIn[0]) << 8 |
                                                               static_cast<unsigned char>(standIn[1]));
  std::size_t i = 0;
  if (fits)
    convertCharacters<false>(u, n, codes, standInCode, gEnd, i, g, p);
  else
    convertCharacters<true>(u, n, codes, standInCode, gEnd, i, g, p);
  std::size_t out = static_cast<std::size_t>(g - g0);
  // A last ASCII byte may still fit where a character no longer does.
  if (i < n && out < capacity && u[i] < 0x80) {
    g0[out++] = static_cast<char>(u[i]);
    *p++ = static_cast<std::uint32_t>(i++);
  }
  *p = static_cast<std::uint32_t>(i);
  gbk.resize(out);
  positions.resize(out + 1);
}

void appendGbkAsUtf8(std::string& out, std::string_view gbk) {
  const Tables& t = tables();
  const std::size_t n = gbk.size();
  std::size_t i = 0;
  while (i < n) {
    // ASCII runs are copied whole.
    std::size_t j = i;
    while (j < n && static_cast<unsigned char>(gbk[j]) < 0x80) ++j;
    out.append(gbk.data() + i, j - i);
    if (j == n) break;
    i = j;
    const unsigned char lead = static_cast<unsigned char>(gbk[i]);
    const char32_t c = i + 1 < n ? gbkCharacter(lead, static_cast<unsigned char>(gbk[i + 1])) : 0;
    if (c != 0) {
      appendCharacter(out, c);
      i += 2;
    } else {
      const char32_t single = t.singleByte[lead - 0x80];
      if (single != 0)
        appendCharacter(out, single);
      else
        out += replacement;
      i += 1;
    }
  }
}

std::string gbkToUtf8(std::string_view gbk) {
  std::string out;
  out.reserve(gbk.size() + gbk.size() / 2);
  appendGbkAsUtf8(out, gbk);
  return out;
}

void appendWellFormed(std::string& out, std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t j = i;
    while (j < text.size() && static_cast<unsigned char>(text[j]) < 0x80) ++j;
    out.append(text.data() + i, j - i);
    if (j == text.size()) break;
    i = j;
    const Decoded d = decodeAt(reinterpret_cast<const unsigned char*>(text.data()) + i, text.size() - i);
    if (d.valid)
      out.append(text.data() + i, d.length);
    else
      out += replacement;
    i += d.length;
  }
}

bool tablesAvailable() { return tables().available; }

}  // namespace vestrilo::utf8
