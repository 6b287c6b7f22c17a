// Profile-file parsing and writing.
#include "core/settings/profile_file.h"

#include "core/text/cp1251.h"

namespace settings {
namespace {

std::string trim(std::string_view s) {
  std::size_t b = 0;
  std::size_t e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
  return std::string(s.substr(b, e - b));
}

bool sameName(std::string_view a, std::string_view b) { return text::lowerUtf8(a) == text::lowerUtf8(b); }

}  // namespace

ProfileFile ProfileFile::parse(std::string_view cp1251) {
  ProfileFile pf;
  const std::string utf8 = text::cp1251ToUtf8(cp1251);
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    std::size_t nl = utf8.find('\n', pos);
    if (nl == std::string::npos) nl = utf8.size();
    std::string line = utf8.substr(pos, nl - pos);
    pos = nl + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::string t = trim(line);
    if (t.size() >= 2 && t.front() == '[' && t.back() == ']') {
      pf.sections_.push_back(Section{trim(std::string_view(t).substr(1, t.size() - 2)), {}});
      continue;
    }
    if (t.empty()) continue;  // blank lines are laid out anew on writing
    Entry e;
    e.raw = line;
    const std::size_t eq = line.find('=');
    if (eq != std::string::npos && t.front() != ';') {
      e.key = trim(std::string_view(line).substr(0, eq));
      e.value = trim(std::string_view(line).substr(eq + 1));
    }
    if (pf.sections_.empty()) {
      pf.preamble_.push_back(line);
    } else {
      pf.sections_.back().entries.push_back(std::move(e));
    }
  }
  return pf;
}

std::string ProfileFile::serialize() const {
  std::string out;
  for (const std::string& l : preamble_) out += l + "\r\n";
  bool first = preamble_.empty();
  for (const Section& s : sections_) {
    if (!first) out += "\r\n";
    first = false;
    out += "[" + s.name + "]\r\n";
    for (const Entry& e : s.entries) {
      out += (e.key.empty() ? e.raw : e.key + "=" + e.value) + "\r\n";
    }
  }
  return text::utf8ToCp1251(out);
}

ProfileFile::Section* ProfileFile::find(std::string_view section) {
  for (Section& s : sections_) {
    if (sameName(s.name, section)) return &s;
  }
  return nullptr;
}

const ProfileFile::Section* ProfileFile::find(std::string_view section) const {
  for (const Section& s : sections_) {
    if (sameName(s.name, section)) return &s;
  }
  return nullptr;
}

std::optional<std::string> ProfileFile::read(std::string_view section, std::string_view key) const {
  const Section* s = find(section);
  if (!s) return std::nullopt;
  for (const Entry& e : s->entries) {
    if (!e.key.empty() && sameName(e.key, key)) return e.value;
  }
  return std::nullopt;
}

void ProfileFile::write(std::string_view section, std::string_view key, std::string_view value) {
  Section* s = find(section);
  if (!s) {
    sections_.push_back(Section{std::string(section), {}});
    s = &sections_.back();
  }
  for (Entry& e : s->entries) {
    if (!e.key.empty() && sameName(e.key, key)) {
      e.value = std::string(value);
      return;
    }
  }
  s->entries.push_back(Entry{std::string(key), std::string(value), {}});
}

bool ProfileFile::hasSection(std::string_view section) const { return find(section) != nullptr; }

std::vector<std::string> ProfileFile::sectionNames() const {
  std::vector<std::string> names;
  for (const Section& s : sections_) names.push_back(s.name);
  return names;
}

}  // namespace settings
