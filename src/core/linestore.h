#pragma once

#include <compare>
#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace quotella {

// The lines of a text file or an editor, held compactly: all lines in one buffer, each
// preceded by its length (one byte for a line shorter than 128 bytes), with the offset of
// every kStride-th line remembered. A file of blank lines costs about one byte a line,
// where a vector of strings costs thirty or more. Reading the lines in order is as fast as
// from a vector; a line picked by its number takes up to kStride steps.
//
// It reads like a std::vector<std::string> (size, operator[], iteration, push_back, insert,
// erase), gives the lines by value, and converts to and from a vector of strings.
class LineStore {
 public:
  static constexpr std::size_t kStride = 16;

  class const_iterator {
   public:
    using iterator_category = std::random_access_iterator_tag;
    using value_type = std::string;
    using difference_type = std::ptrdiff_t;
    using reference = std::string;
    using pointer = void;

    const_iterator() = default;
    std::string operator*() const { return std::string(View()); }
    std::string operator[](difference_type n) const { return *(*this + n); }
    std::string_view View() const;
    std::size_t Index() const { return m_index; }

    const_iterator& operator++();
    const_iterator operator++(int) {
      const_iterator before = *this;
      ++*this;
      return before;
    }
    const_iterator& operator--() { return *this = *this - 1; }
    const_iterator operator--(int) {
      const_iterator before = *this;
      --*this;
      return before;
    }
    const_iterator& operator+=(difference_type n) { return *this = *this + n; }
    const_iterator& operator-=(difference_type n) { return *this = *this - n; }
    friend const_iterator operator+(const const_iterator& it, difference_type n) {
      return it.At(static_cast<std::size_t>(static_cast<difference_type>(it.m_index) + n));
    }
    friend const_iterator operator+(difference_type n, const const_iterator& it) { return it + n; }
    friend const_iterator operator-(const const_iterator& it, difference_type n) { return it + -n; }
    friend difference_type operator-(const const_iterator& a, const const_iterator& b) {
      return static_cast<difference_type>(a.m_index) - static_cast<difference_type>(b.m_index);
    }
    friend bool operator==(const const_iterator& a, const const_iterator& b) {
      return a.m_index == b.m_index;
    }
    friend auto operator<=>(const const_iterator& a, const const_iterator& b) {
      return a.m_index <=> b.m_index;
    }

   private:
    friend class LineStore;
    const_iterator(const LineStore* store, std::size_t index, std::size_t offset)
        : m_store(store), m_index(index), m_offset(offset) {}
    const_iterator At(std::size_t index) const;

    const LineStore* m_store = nullptr;
    std::size_t m_index = 0;
    std::size_t m_offset = 0;  // where the line's length starts in the buffer
  };
  using iterator = const_iterator;
  using value_type = std::string;
  using size_type = std::size_t;

  LineStore() = default;
  // Callers hand over lines as vectors of strings.
  LineStore(const std::vector<std::string>& lines);  // NOLINT(google-explicit-constructor)
  LineStore(std::initializer_list<std::string_view> lines);

  // The lines of text, cut at CR LF, LF or CR; a final line end does not start an empty
  // last line (as SplitLines).
  static LineStore FromText(std::string_view text);

  // Room for `lines` lines that take `bytes` bytes in all, their lengths included.
  void Reserve(std::size_t lines, std::size_t bytes);

  std::size_t size() const { return m_size; }
  bool empty() const { return m_size == 0; }
  std::string operator[](std::size_t i) const { return std::string(View(i)); }
  std::string_view View(std::size_t i) const;
  std::string front() const { return (*this)[0]; }
  std::string back() const { return (*this)[m_size - 1]; }
  const_iterator begin() const { return const_iterator(this, 0, 0); }
  const_iterator end() const { return const_iterator(this, m_size, m_bytes.size()); }

  void clear();
  void push_back(std::string_view line);
  // Puts line before line index (at the end when index is size()).
  void insert(std::size_t index, std::string_view line);
  const_iterator insert(const_iterator pos, std::string_view line);
  // Removes the lines [first, last); returns the position after them.
  const_iterator erase(const_iterator first, const_iterator last);
  const_iterator erase(const_iterator pos) { return erase(pos, pos + 1); }
  // Cuts the store to n lines or adds empty lines up to n.
  void resize(std::size_t n);
  // Removes the lines for which drop(line) holds; returns how many.
  template <typename Drop>
  std::size_t EraseIf(Drop drop) {
    LineStore kept;
    for (auto it = begin(); it != end(); ++it)
      if (!drop(it.View())) kept.push_back(it.View());
    const std::size_t dropped = m_size - kept.m_size;
    *this = std::move(kept);
    return dropped;
  }

  std::vector<std::string> ToVector() const;
  operator std::vector<std::string>() const { return ToVector(); }  // NOLINT
  // The whole text with CR LF after every line, as files are written.
  std::string TextCrLf() const;
  // The bytes held, for the memory figures.
  std::size_t Capacity() const;

  friend bool operator==(const LineStore& a, const LineStore& b) {
    return a.m_size == b.m_size && a.m_bytes == b.m_bytes;
  }
  friend bool operator==(const LineStore& a, const std::vector<std::string>& b);

 private:
  // The offset of line i's length in the buffer (i may be size()).
  std::size_t OffsetOf(std::size_t i) const;
  // Rebuilds the remembered offsets from line `from` on.
  void Reindex(std::size_t from);
  void Append(std::string_view line);

  std::string m_bytes;
  std::vector<std::size_t> m_marks;  // offset of line k * kStride
  std::size_t m_size = 0;
};

}  // namespace quotella
