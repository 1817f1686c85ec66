#include "platform/WordOrder.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace sorvane {
namespace {

using namespace std::string_view_literals;

// Second-level weights, in the order in which they sort.
enum Accent : std::uint8_t {
  kPlain,
  kOrdinal,   // ª º and the superscript digits
  kAcute,
  kGrave,
  kCircumflex,
  kDiaeresis,
  kTilde,
  kRing,
  kCedilla,
  kCaron,
  kStroke,
  kHook,
};

struct Element {
  std::uint8_t primary = 0;
  std::uint8_t accent = kPlain;
  std::uint8_t upper = 0;
};

struct ByteWeights {
  bool assigned = false;
  std::uint8_t count = 0;  // elements; 0 marks a character skipped on levels 1 to 3
  Element elements[2];
  std::uint8_t skipped = 0;  // order among the skipped characters; 0 for one ignored on every level
};

// Punctuation and symbols, in their order (the order of Windows' word sort):
// the blanks first, then the rest. The modifier circumflex is the circumflex
// (kAliases).
constexpr std::string_view kSymbols =
    " \xA0\t\n\v\f\r!\"#$%&()*,./:;?@[\\]^_`{|}~\xA1\xA6\xA8\xAF\xB4\xB8\xBF\x98\x91\x92\x82\x93\x94\x84\x8B\x9B"
    "\xA2\xA3\xA4\xA5\x80+<=>\xB1\xAB\xBB\xD7\xF7\xA7\xA9\xAC\xAE\xB0\xB5\xB6\xB7\x85\x86\x87\x95\x89";

// The five bytes that the code page leaves undefined follow the symbols as
// one character, told apart only by their accent weight, in this order.
constexpr std::string_view kUndefined = "\x81\x8D\x8F\x90\x9D";

// The digits with the fractions, which sort between 0 and 1; the
// superscript digits are variants of their digit (kVariants).
constexpr std::string_view kDigits = "0\xBC\xBD\xBE" "123456789";

// Characters skipped on levels 1 to 3, in their order on level 4: the
// control characters, then apostrophe, hyphen, en dash, em dash.
constexpr std::string_view kSkipped =
    "\x00\x01\x02\x03\x04\x05\x06\x07\x08\x0E\x0F\x10\x11\x12\x13\x14\x15\x16\x17\x18\x19\x1A\x1B\x1C\x1D\x1E\x1F"
    "\x7F'-\x96\x97"sv;

// The soft hyphen is not there for the order at all.
constexpr unsigned char kIgnored = 0xAD;

// Bytes that sort exactly as another byte: the modifier circumflex.
constexpr std::pair<unsigned char, char> kAliases[] = {{0x88, '^'}};

struct Variant {
  unsigned char byte;
  char base;  // lower-case ASCII letter or digit
  Accent accent;
  bool upper;
};

// Accented and other letters of the code page that sort with a base letter.
// Upper and lower case of C0..DE and E0..FE are 20 hex apart.
constexpr Variant kVariants[] = {
    {0xC0, 'a', kGrave, true},      {0xC1, 'a', kAcute, true},      {0xC2, 'a', kCircumflex, true},
    {0xC3, 'a', kTilde, true},      {0xC4, 'a', kDiaeresis, true},  {0xC5, 'a', kRing, true},
    {0xC7, 'c', kCedilla, true},    {0xC8, 'e', kGrave, true},      {0xC9, 'e', kAcute, true},
    {0xCA, 'e', kCircumflex, true}, {0xCB, 'e', kDiaeresis, true},  {0xCC, 'i', kGrave, true},
    {0xCD, 'i', kAcute, true},      {0xCE, 'i', kCircumflex, true}, {0xCF, 'i', kDiaeresis, true},
    {0xD0, 'd', kStroke, true},     {0xD1, 'n', kTilde, true},      {0xD2, 'o', kGrave, true},
    {0xD3, 'o', kAcute, true},      {0xD4, 'o', kCircumflex, true}, {0xD5, 'o', kTilde, true},
    {0xD6, 'o', kDiaeresis, true},  {0xD8, 'o', kStroke, true},     {0xD9, 'u', kGrave, true},
    {0xDA, 'u', kAcute, true},      {0xDB, 'u', kCircumflex, true}, {0xDC, 'u', kDiaeresis, true},
    {0xDD, 'y', kAcute, true},      {0x9F, 'y', kDiaeresis, true},  {0xFF, 'y', kDiaeresis, false},
    {0x8A, 's', kCaron, true},      {0x9A, 's', kCaron, false},     {0x8E, 'z', kCaron, true},
    {0x9E, 'z', kCaron, false},     {0x83, 'f', kHook, false},      {0xAA, 'a', kOrdinal, false},
    {0xBA, 'o', kOrdinal, false},   {0xB9, '1', kOrdinal, false},   {0xB2, '2', kOrdinal, false},
    {0xB3, '3', kOrdinal, false},
};

struct Expansion {
  unsigned char byte;
  char first;
  char second;
  bool upper;
};

constexpr Expansion kExpansions[] = {
    {0xDF, 's', 's', false}, {0xC6, 'a', 'e', true}, {0xE6, 'a', 'e', false}, {0x8C, 'o', 'e', true},
    {0x9C, 'o', 'e', false}, {0xDE, 't', 'h', true}, {0xFE, 't', 'h', false},
};

// The trade mark sign is a letter of its own after t.
constexpr unsigned char kTradeMark = 0x99;

class WeightTable {
 public:
  WeightTable() {
    Skip(kIgnored, 0);
    std::uint8_t skipped = 1;
    for (const char c : kSkipped) Skip(static_cast<unsigned char>(c), skipped++);

    std::uint8_t primary = 1;
    for (const char c : kSymbols) Single(static_cast<unsigned char>(c), {primary++, kPlain, 0});
    std::uint8_t accent = kPlain;
    for (const char c : kUndefined) Single(static_cast<unsigned char>(c), {primary, accent++, 0});
    ++primary;
    for (const char d : kDigits) Single(static_cast<unsigned char>(d), {primary++, kPlain, 0});
    for (char l = 'a'; l <= 'z'; ++l) {
      const std::uint8_t p = primary++;
      Single(static_cast<unsigned char>(l), {p, kPlain, 0});
      Single(static_cast<unsigned char>(l - 'a' + 'A'), {p, kPlain, 1});
      if (l == 't') Single(kTradeMark, {primary++, kPlain, 0});
    }
    for (const Variant& v : kVariants) {
      const std::uint8_t p = PrimaryOf(v.base);
      Single(v.byte, {p, v.accent, static_cast<std::uint8_t>(v.upper)});
      // The lower-case partner of an upper-case letter in C0..DE.
      if (v.upper && v.byte >= 0xC0 && v.byte <= 0xDE) Single(v.byte + 0x20, {p, v.accent, 0});
    }
    for (const Expansion& e : kExpansions) {
      const auto upper = static_cast<std::uint8_t>(e.upper);
      Double(e.byte, {PrimaryOf(e.first), kPlain, upper}, {PrimaryOf(e.second), kPlain, upper});
    }
    for (const auto& [byte, same] : kAliases) weights_[byte] = weights_[static_cast<unsigned char>(same)];
    for (const ByteWeights& w : weights_) {
      if (!w.assigned) throw std::logic_error("word order: a byte has no weight");
    }
  }

  const ByteWeights& operator[](char c) const { return weights_[static_cast<unsigned char>(c)]; }

 private:
  ByteWeights& Claim(unsigned char byte) {
    ByteWeights& w = weights_[byte];
    if (w.assigned) throw std::logic_error("word order: a byte has two weights");
    w.assigned = true;
    return w;
  }
  void Skip(unsigned char byte, std::uint8_t order) { Claim(byte).skipped = order; }
  void Single(unsigned char byte, Element e) {
    ByteWeights& w = Claim(byte);
    w.count = 1;
    w.elements[0] = e;
  }
  void Double(unsigned char byte, Element first, Element second) {
    ByteWeights& w = Claim(byte);
    w.count = 2;
    w.elements[0] = first;
    w.elements[1] = second;
  }
  std::uint8_t PrimaryOf(char plain) const { return weights_[static_cast<unsigned char>(plain)].elements[0].primary; }

  std::array<ByteWeights, 256> weights_{};
};

const WeightTable& Table() {
  static const WeightTable table;
  return table;
}

// Walks the elements of a string, skipping the characters without any.
class ElementCursor {
 public:
  explicit ElementCursor(std::string_view text) : text_(text) {}

  bool Next(Element& element) {
    while (byte_ < text_.size()) {
      const ByteWeights& w = Table()[text_[byte_]];
      if (part_ < w.count) {
        element = w.elements[part_++];
        return true;
      }
      ++byte_;
      part_ = 0;
    }
    return false;
  }

 private:
  std::string_view text_;
  std::size_t byte_ = 0;
  std::uint8_t part_ = 0;
};

int Sign(int v) { return (v > 0) - (v < 0); }

template <typename Key>
int CompareElements(std::string_view a, std::string_view b, Key key) {
  ElementCursor ca(a), cb(b);
  Element ea, eb;
  for (;;) {
    const bool hasA = ca.Next(ea);
    const bool hasB = cb.Next(eb);
    if (!hasA || !hasB) return static_cast<int>(hasA) - static_cast<int>(hasB);
    if (key(ea) != key(eb)) return Sign(static_cast<int>(key(ea)) - static_cast<int>(key(eb)));
  }
}

// Walks the skipped characters of a string with the number of elements that
// stand before each.
class SkippedCursor {
 public:
  explicit SkippedCursor(std::string_view text) : text_(text) {}

  bool Next(std::size_t& position, std::uint8_t& order) {
    while (byte_ < text_.size()) {
      const ByteWeights& w = Table()[text_[byte_++]];
      if (w.count == 0 && w.skipped != 0) {
        position = elements_;
        order = w.skipped;
        return true;
      }
      elements_ += w.count;
    }
    return false;
  }

 private:
  std::string_view text_;
  std::size_t byte_ = 0;
  std::size_t elements_ = 0;
};

int CompareSkipped(std::string_view a, std::string_view b) {
  SkippedCursor ca(a), cb(b);
  std::size_t pa = 0, pb = 0;
  std::uint8_t oa = 0, ob = 0;
  for (;;) {
    const bool hasA = ca.Next(pa, oa);
    const bool hasB = cb.Next(pb, ob);
    if (!hasA || !hasB) return static_cast<int>(hasA) - static_cast<int>(hasB);
    // One further back sorts first: "c-" before "-c".
    if (pa != pb) return pa > pb ? -1 : 1;
    if (oa != ob) return oa < ob ? -1 : 1;
  }
}

}  // namespace

int CompareWordOrder(std::string_view a, std::string_view b) {
  // The bytes both strings begin with give both the same elements and the
  // same skipped characters at the same places, so every level is decided
  // by what follows them. Names in long lists often share most of their
  // bytes ("datei-0012345.txt"), which makes this the common case.
  const auto common = static_cast<std::size_t>(std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin());
  a.remove_prefix(common);
  b.remove_prefix(common);
  if (int r = CompareElements(a, b, [](const Element& e) { return e.primary; })) return r;
  if (int r = CompareElements(a, b, [](const Element& e) { return e.accent; })) return r;
  if (int r = CompareElements(a, b, [](const Element& e) { return e.upper; })) return r;
  if (int r = CompareSkipped(a, b)) return r;
  return Sign(a.compare(b));
}

}  // namespace sorvane
