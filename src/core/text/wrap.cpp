// Breaking a line of text at blanks, or inside an over-long word, so that every piece fits its room.
#include "core/text/wrap.h"

#include <cstddef>

namespace text {
namespace {

bool continuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Byte offsets where the code points of s start, and s.size() at the end.
std::vector<std::size_t> codePointStarts(const std::string& s) {
  std::vector<std::size_t> starts;
  starts.reserve(s.size() + 1);
  for (std::size_t i = 0; i < s.size(); ++i)
    if (!continuationByte(s[i])) starts.push_back(i);
  starts.push_back(s.size());
  return starts;
}

}  // namespace

int codePointCount(const std::string& s) {
  int n = 0;
  for (char c : s)
    if (!continuationByte(c)) ++n;
  return n;
}

std::vector<std::string> wrapLine(const std::string& line, int maxWidth, const TextMeasure& width) {
  std::vector<std::string> pieces;
  std::string rest = line;
  while (width(rest) > maxWidth) {
    const std::vector<std::size_t> at = codePointStarts(rest);
    const std::size_t n = at.size() - 1;  // code points; more than one fit, or rest would fit
    // The most code points that fit, found by halving: widths grow with the text. At least
    // one, so that every piece moves the line on.
    std::size_t lo = 1, hi = n - 1;
    while (lo < hi) {
      const std::size_t mid = (lo + hi + 1) / 2;
      if (width(rest.substr(0, at[mid])) <= maxWidth)
        lo = mid;
      else
        hi = mid - 1;
    }
    const std::size_t fit = lo;
    // The last blank that ends a fitting piece, past the blanks that open the line.
    std::size_t firstWord = 0;
    while (firstWord < n && rest[at[firstWord]] == ' ') ++firstWord;
    std::size_t blank = fit;
    while (blank > firstWord && (blank == n || rest[at[blank]] != ' ')) --blank;
    std::size_t end = at[fit];
    std::size_t next = at[fit];
    if (blank > firstWord) {
      end = at[blank];
      while (end > 0 && rest[end - 1] == ' ') --end;
      next = at[blank];
      while (next < rest.size() && rest[next] == ' ') ++next;
    }
    pieces.push_back(rest.substr(0, end));
    rest.erase(0, next);
    if (rest.empty()) return pieces;
  }
  pieces.push_back(rest);
  return pieces;
}

std::vector<std::string> wrapLineToColumns(const std::string& line, int columns) {
  return wrapLine(line, columns, codePointCount);
}

}  // namespace text
