#include "core/letterfold.h"

#include <unicode/normalizer2.h>
#include <unicode/translit.h>
#include <unicode/uchar.h>
#include <unicode/uscript.h>
#include <unicode/utf8.h>

#include <cstdio>
#include <memory>

namespace quotella {

namespace {

bool IsAscii(const std::string& text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

bool IsAsciiLetters(const icu::UnicodeString& text) {
  if (text.isEmpty()) return false;
  for (int32_t i = 0; i < text.length(); ++i) {
    const char16_t c = text.charAt(i);
    if (!((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'))) return false;
  }
  return true;
}

bool IsMark(UChar32 cp) {
  return (U_GET_GC_MASK(cp) & U_GC_M_MASK) != 0;
}

// Latin-ASCII spells a Latin letter in ASCII (ł→l, ß→ss, Þ→TH). One per thread: a
// transliterator keeps no state between calls, but sharing one across threads is not
// promised to be safe.
const icu::Transliterator* LatinAscii() {
  thread_local std::unique_ptr<icu::Transliterator> instance = [] {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Transliterator> t(
        icu::Transliterator::createInstance("Latin-ASCII", UTRANS_FORWARD, status));
    return U_SUCCESS(status) ? std::move(t) : nullptr;
  }();
  return instance.get();
}

// The ASCII letters of one Latin letter: its compatibility decomposition without marks
// ("ﬁ"→"fi", "é"→"e"), then Latin-ASCII for letters that have no decomposition ("ø").
icu::UnicodeString FoldLatin(UChar32 cp) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* nfkd = icu::Normalizer2::getNFKDInstance(status);
  icu::UnicodeString decomposed;
  if (U_SUCCESS(status)) nfkd->normalize(icu::UnicodeString(cp), decomposed, status);
  if (U_FAILURE(status)) decomposed = icu::UnicodeString(cp);
  icu::UnicodeString base;
  for (int32_t i = 0; i < decomposed.length();) {
    const UChar32 c = decomposed.char32At(i);
    if (!IsMark(c)) base.append(c);
    i += U16_LENGTH(c);
  }
  if (!IsAsciiLetters(base))
    if (const icu::Transliterator* t = LatinAscii()) t->transliterate(base);
  return base;
}

void AppendUtf8(std::string& out, const icu::UnicodeString& text) {
  text.toUTF8String(out);
}

}  // namespace

FoldedText FoldLetters(const std::string& utf8) {
  FoldedText out;
  if (IsAscii(utf8)) {
    out.text = utf8;
    return out;
  }
  out.text.reserve(utf8.size());
  const auto* bytes = reinterpret_cast<const uint8_t*>(utf8.data());
  const auto length = static_cast<int32_t>(utf8.size());
  bool afterLatinLetter = false;  // combining marks on a folded letter go with its accents
  for (int32_t i = 0; i < length;) {
    const int32_t start = i;
    UChar32 cp = 0;
    U8_NEXT(bytes, i, length, cp);
    const std::string original =
        utf8.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(i - start));
    if (cp < 0x80 || cp < 0) {
      out.text += original;
      afterLatinLetter = cp >= 0 && ((cp | 0x20) >= 'a' && (cp | 0x20) <= 'z');
      continue;
    }
    if (IsMark(cp)) {
      if (!afterLatinLetter) out.text += original;
      continue;
    }
    afterLatinLetter = false;
    if (!u_isalpha(cp)) {
      out.text += original;
      continue;
    }
    UErrorCode status = U_ZERO_ERROR;
    const UScriptCode script = uscript_getScript(cp, &status);
    const icu::UnicodeString folded =
        script == USCRIPT_LATIN ? FoldLatin(cp) : icu::UnicodeString();
    if (!IsAsciiLetters(folded)) {
      if (out.unfoldable.empty()) out.unfoldable = original;
      out.text += original;
      continue;
    }
    AppendUtf8(out.text, folded);
    afterLatinLetter = true;
  }
  return out;
}

std::string UnfoldableMessage(const std::string& letter) {
  UChar32 cp = 0;
  int32_t i = 0;
  const auto* bytes = reinterpret_cast<const uint8_t*>(letter.data());
  U8_NEXT(bytes, i, static_cast<int32_t>(letter.size()), cp);
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(cp < 0 ? 0xFFFD : cp));
  return "The letter \"" + letter + "\" (" + code +
         ") has no A-Z form for the grid; write the line in Latin letters.";
}

}  // namespace quotella
