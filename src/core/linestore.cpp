#include "core/linestore.h"

#include <algorithm>

#include "core/linescan.h"

namespace quotella {

namespace {

struct Header {
  std::size_t length = 0;
  std::size_t size = 0;  // bytes the length itself takes
};

// A line's length: seven bits a byte, low bits first, the high bit set on all but the last.
Header ReadHeader(const std::string& bytes, std::size_t offset) {
  Header h;
  int shift = 0;
  for (;;) {
    const auto byte = static_cast<unsigned char>(bytes[offset + h.size]);
    ++h.size;
    h.length |= static_cast<std::size_t>(byte & 0x7F) << shift;
    if ((byte & 0x80) == 0) return h;
    shift += 7;
  }
}

void WriteHeader(std::string& out, std::size_t length) {
  while (length >= 0x80) {
    out.push_back(static_cast<char>((length & 0x7F) | 0x80));
    length >>= 7;
  }
  out.push_back(static_cast<char>(length));
}

std::size_t HeaderSize(std::size_t length) {
  std::size_t size = 1;
  for (; length >= 0x80; length >>= 7) ++size;
  return size;
}

std::size_t NextOffset(const std::string& bytes, std::size_t offset) {
  const Header h = ReadHeader(bytes, offset);
  return offset + h.size + h.length;
}

}  // namespace

std::string_view LineStore::const_iterator::View() const {
  const Header h = ReadHeader(m_store->m_bytes, m_offset);
  return std::string_view(m_store->m_bytes).substr(m_offset + h.size, h.length);
}

LineStore::const_iterator& LineStore::const_iterator::operator++() {
  m_offset = NextOffset(m_store->m_bytes, m_offset);
  ++m_index;
  return *this;
}

LineStore::const_iterator LineStore::const_iterator::At(std::size_t index) const {
  if (index == m_index) return *this;
  // Forward within reach: step on from here instead of from a remembered offset.
  if (index > m_index && index - m_index < kStride) {
    const_iterator it = *this;
    while (it.m_index < index) ++it;
    return it;
  }
  return const_iterator(m_store, index, m_store->OffsetOf(index));
}

LineStore::LineStore(const std::vector<std::string>& lines) {
  for (const auto& line : lines) Append(line);
}

LineStore::LineStore(std::initializer_list<std::string_view> lines) {
  for (const auto line : lines) Append(line);
}

LineStore LineStore::FromText(std::string_view text) {
  // Counted first, so that the buffer is allocated once at its size.
  std::size_t lines = 0;
  std::size_t bytes = 0;
  ForEachLine(text, [&](std::string_view line) {
    ++lines;
    bytes += HeaderSize(line.size()) + line.size();
  });
  LineStore store;
  store.Reserve(lines, bytes);
  ForEachLine(text, [&](std::string_view line) { store.Append(line); });
  return store;
}

void LineStore::Reserve(std::size_t lines, std::size_t bytes) {
  m_bytes.reserve(bytes);
  m_marks.reserve((lines + kStride - 1) / kStride);
}

std::size_t LineStore::OffsetOf(std::size_t i) const {
  if (i >= m_size) return m_bytes.size();
  std::size_t offset = m_marks[i / kStride];
  for (std::size_t k = i % kStride; k > 0; --k) offset = NextOffset(m_bytes, offset);
  return offset;
}

std::string_view LineStore::View(std::size_t i) const {
  return const_iterator(this, i, OffsetOf(i)).View();
}

void LineStore::Append(std::string_view line) {
  if (m_size % kStride == 0) m_marks.push_back(m_bytes.size());
  WriteHeader(m_bytes, line.size());
  m_bytes.append(line);
  ++m_size;
}

void LineStore::clear() {
  m_bytes.clear();
  m_marks.clear();
  m_size = 0;
}

void LineStore::push_back(std::string_view line) {
  Append(line);
}

void LineStore::Reindex(std::size_t from) {
  // The offsets of lines up to `from` are unchanged; walk on from the last of them kept.
  if (m_marks.empty()) {
    m_marks.push_back(0);
  }
  const std::size_t k = std::min(from / kStride, m_marks.size() - 1);
  std::size_t offset = m_marks[k];
  m_marks.resize(k);
  for (std::size_t line = k * kStride; line < m_size; ++line) {
    if (line % kStride == 0) m_marks.push_back(offset);
    offset = NextOffset(m_bytes, offset);
  }
}

void LineStore::insert(std::size_t index, std::string_view line) {
  index = std::min(index, m_size);
  std::string bytes;
  WriteHeader(bytes, line.size());
  bytes.append(line);
  m_bytes.insert(OffsetOf(index), bytes);
  ++m_size;
  Reindex(index);
}

LineStore::const_iterator LineStore::insert(const_iterator pos, std::string_view line) {
  insert(pos.m_index, line);
  return begin() + static_cast<std::ptrdiff_t>(pos.m_index);
}

LineStore::const_iterator LineStore::erase(const_iterator first, const_iterator last) {
  const std::size_t from = first.m_index;
  if (last.m_index <= from) return first;
  const std::size_t start = OffsetOf(from);
  m_bytes.erase(start, OffsetOf(last.m_index) - start);
  m_size -= last.m_index - from;
  Reindex(from);
  if (m_size == 0) m_marks.clear();
  return const_iterator(this, from, start);
}

void LineStore::resize(std::size_t n) {
  if (n < m_size) erase(begin() + static_cast<std::ptrdiff_t>(n), end());
  while (m_size < n) Append({});
}

std::vector<std::string> LineStore::ToVector() const {
  std::vector<std::string> lines;
  lines.reserve(m_size);
  for (auto it = begin(); it != end(); ++it) lines.emplace_back(it.View());
  return lines;
}

std::string LineStore::TextCrLf() const {
  std::string text;
  text.reserve(m_bytes.size() + m_size * 2);
  for (auto it = begin(); it != end(); ++it) {
    text.append(it.View());
    text.append("\r\n");
  }
  return text;
}

std::size_t LineStore::Capacity() const {
  return m_bytes.capacity() + m_marks.capacity() * sizeof(std::size_t);
}

bool operator==(const LineStore& a, const std::vector<std::string>& b) {
  if (a.size() != b.size()) return false;
  auto it = a.begin();
  for (const auto& line : b) {
    if (it.View() != line) return false;
    ++it;
  }
  return true;
}

}  // namespace quotella
