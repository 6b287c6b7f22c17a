// The bytes of a protocol file: composing them from the fields and parsing them back.
#include "core/protocol/protocol_text.h"

#include <algorithm>

#include "core/text/cp1251.h"

namespace protocol {
namespace {

// A single-line field must stay on its line, or every later field would shift on reading.
std::string oneLine(std::string_view s) {
  std::string out(s);
  std::replace(out.begin(), out.end(), '\n', ' ');
  std::replace(out.begin(), out.end(), '\r', ' ');
  return out;
}

std::string toCrLf(std::string_view lf) {
  std::string out;
  out.reserve(lf.size() + lf.size() / 16);
  for (char c : lf) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

std::string toLf(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    out += bytes[i];
  }
  return out;
}

// Captions are counted in characters; in cp1251 one character is one byte.
std::size_t captionLength(std::string_view caption) { return text::utf8ToCp1251(caption).size(); }

// One field line: the line up to its line feed, minus the caption's character count.
std::string takeFieldLine(std::string& rest, std::string_view caption) {
  const auto lf = rest.find('\n');
  if (lf == std::string::npos) return {};
  std::string line = rest.substr(0, lf);
  rest.erase(0, lf + 1);
  const std::size_t drop = std::min(captionLength(caption), line.size());
  return text::cp1251ToUtf8(std::string_view(line).substr(drop));
}

}  // namespace

std::string composeProtocol(const ProtocolFields& fields) {
  std::string content;
  content += kProtCaption;
  content += oneLine(fields.protocolNumber);
  content += '\n';
  content += kObjCaption;
  content += oneLine(fields.objectName);
  content += '\n';
  content += kDefCaption;
  content += oneLine(fields.operatorName);
  content += '\n';
  content += kZaklCaption;
  for (const auto& line : fields.conclusion) {
    content += line;
    if (line.find('\n') == std::string::npos) content += '\n';
  }
  return toCrLf(text::utf8ToCp1251(content));
}

ProtocolFields parseProtocol(std::string_view fileBytes) {
  std::string rest = toLf(fileBytes);
  ProtocolFields fields;
  fields.protocolNumber = takeFieldLine(rest, kProtCaption);
  fields.objectName = takeFieldLine(rest, kObjCaption);
  fields.operatorName = takeFieldLine(rest, kDefCaption);
  rest.erase(0, std::min(captionLength(kZaklCaption), rest.size()));
  while (!rest.empty()) {
    const auto lf = rest.find('\n');
    if (lf == std::string::npos) {
      fields.conclusion.push_back(text::cp1251ToUtf8(rest));
      break;
    }
    fields.conclusion.push_back(text::cp1251ToUtf8(std::string_view(rest).substr(0, lf + 1)));
    rest.erase(0, lf + 1);
  }
  return fields;
}

std::vector<std::string> conclusionLines(const ProtocolFields& fields) {
  std::vector<std::string> lines;
  lines.reserve(fields.conclusion.size());
  for (std::string line : fields.conclusion) {
    if (!line.empty() && line.back() == '\n') line.pop_back();
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace protocol
