// The threshold the operator types: which keys the field takes, and how the text becomes ThkThreshold.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/text/numfmt.h"

namespace thickness {

// The field's key filter: control characters (below the space), the digits, the comma
// and the locale's own decimal separator pass; every other character is ignored.
bool thresholdKeyPasses(char32_t ch, std::string_view localeDecimal);

// ThkThreshold x 0.1 with "##.0": the text the field opens with.
std::string thresholdText(std::uint16_t thresholdTenths, const text::NumberFormat& nf);

enum class ThresholdVerdict {
  Accepted,         // below the nominal: the dialog ends accepted
  NotBelowNominal,  // stored, but the dialog stays open with the message
  TooLarge,         // 6553.6 mm or more: not storable; same message, threshold unchanged
  NotANumber,       // no number: a message of its own, threshold unchanged
};

struct ThresholdEntry {
  ThresholdVerdict verdict = ThresholdVerdict::NotANumber;
  std::uint16_t tenths = 0;  // the value to store in ThkThreshold (Accepted, NotBelowNominal)
  bool stores() const { return verdict == ThresholdVerdict::Accepted || verdict == ThresholdVerdict::NotBelowNominal; }
};

// Converts the field's text: digits with at most one decimal separator (the comma or the
// locale's own), blanks around it allowed; the single-precision value times 10, truncated.
ThresholdEntry evaluateThreshold(std::string_view textIn, std::string_view localeDecimal, std::uint16_t nominal);

// The message for a rejected entry (empty for an accepted one). The example in the
// not-a-number message uses the locale's decimal separator.
std::string thresholdMessage(ThresholdVerdict v, std::string_view localeDecimal);

}  // namespace thickness
