// Breaking a line of text into pieces that fit the room it prints in, on paper or in the preview.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace text {

// The width of a UTF-8 text, in the units of the room: printer pixels or characters.
using TextMeasure = std::function<int(const std::string&)>;

// The pieces of one line, each no wider than maxWidth. A piece ends before a blank, and the
// blanks at that break are dropped; a word wider than the whole room is broken where the room
// ends. Blanks that open the line stay. A line that fits is its own one piece, an empty line
// one empty piece; a character is never split.
std::vector<std::string> wrapLine(const std::string& line, int maxWidth, const TextMeasure& width);

// The same in characters of a fixed-pitch font, as plain text shows it.
std::vector<std::string> wrapLineToColumns(const std::string& line, int columns);

// The code points of a UTF-8 text.
int codePointCount(const std::string& s);

}  // namespace text
