// A Windows profile (.ini) file in cp1251: sections and keys looked up without regard to letter case,
// unknown entries kept when written back.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

class ProfileFile {
 public:
  // Parses cp1251 bytes (CR LF or LF lines).
  static ProfileFile parse(std::string_view cp1251);
  // The file as cp1251 bytes with CR LF lines.
  std::string serialize() const;

  // Names and values are UTF-8.
  std::optional<std::string> read(std::string_view section, std::string_view key) const;
  void write(std::string_view section, std::string_view key, std::string_view value);
  bool hasSection(std::string_view section) const;
  std::vector<std::string> sectionNames() const;

 private:
  struct Entry {
    std::string key;  // empty for a line that is not key=value (kept verbatim in raw)
    std::string value;
    std::string raw;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };
  Section* find(std::string_view section);
  const Section* find(std::string_view section) const;

  std::vector<std::string> preamble_;  // lines before the first section
  std::vector<Section> sections_;
};

}  // namespace settings
