// The "file cannot be opened" texts, built from the message table.
#include "core/text/refusal.h"

#include "core/text/messages.h"

namespace text {

std::string notOpenText(std::string_view name) { return msg(Msg::fil) + std::string(name) + msg(Msg::notopen); }

std::string dataFileNotOpenText(std::string_view name, std::string_view beforeNotOpen) {
  return notOpenText("\n" + std::string(name) + std::string(beforeNotOpen));
}

}  // namespace text
