// A length the operator types in millimetres ("4", "4,5", "4.25"), read exactly to the micrometre.
#pragma once

#include <optional>
#include <string_view>

namespace compare {

// Micrometres of a non-negative decimal number of millimetres with "," or "." as the separator and at
// most three decimals; nothing for anything else (signs, blanks, a second separator, over 60 000 mm).
std::optional<int> parseMillimetres(std::string_view text);

// Whole millimetres with an optional sign ("-120", "+36", "0"); nothing for anything else or beyond
// +-60 000.
std::optional<int> parseWholeMillimetres(std::string_view text);

}  // namespace compare
