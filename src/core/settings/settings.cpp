// terv.ini: what is read at start and written at exit, in the order the unit's programs use.
#include "core/settings/settings.h"

#include <cerrno>
#include <charconv>
#include <cstdint>

#include "core/io/atomic_file.h"
#include "core/io/read_file.h"
#include "core/settings/profile_file.h"
#include "core/text/messages.h"

namespace settings {
namespace {

using text::Msg;

constexpr const char* kFiles = "Files";
constexpr const char* kMain = "main";
constexpr const char* kDataDir = "DataDir";

// terv.ini holds a few dozen lines; a larger file is not ours to read whole.
constexpr std::size_t kMaxIniBytes = 1 << 20;

struct ColorKey {
  Msg section;
  Msg key;
  gfx::Color def;
};

// The 19 colours in the order they are read and written.
constexpr ColorKey kFlawKeys[6] = {
    {Msg::rdef, Msg::fon, 0xFFFFFF},   {Msg::rdef, Msg::setka, 0xFF0000}, {Msg::rdef, Msg::graf, 0x000000},
    {Msg::rdef, Msg::simbs, 0x008000}, {Msg::rdef, Msg::strob, 0x000000}, {Msg::rdef, Msg::tekst, 0x000000},
};
constexpr ColorKey kThicknessKeys[7] = {
    {Msg::atol, Msg::pep1, 0xC5B4B1},  {Msg::atol, Msg::pep2, 0xC0BCBD},  {Msg::atol, Msg::pep3, 0xC5ABB9},
    {Msg::atol, Msg::pep4, 0xB6A7B5},  {Msg::atol, Msg::metka, 0x000000}, {Msg::atol, Msg::tekst, 0x000000},
    {Msg::atol, Msg::setka, 0xFF0000},
};
constexpr ColorKey kDefectKeys[6] = {
    {Msg::aflaw, Msg::flawob, 0x00FF00}, {Msg::aflaw, Msg::flobpl, 0x00FFFF}, {Msg::aflaw, Msg::flprpl, 0x000080},
    {Msg::aflaw, Msg::flplvd, 0x0000FF}, {Msg::aflaw, Msg::flplsk, 0x6A6A6A}, {Msg::aflaw, Msg::flak, 0x000000},
};

gfx::Color readColor(const ProfileFile& pf, const ColorKey& k) {
  const auto v = pf.read(text::msg(k.section), text::msg(k.key));
  if (!v || v->empty()) return k.def;
  std::int64_t n = 0;
  const char* b = v->data();
  const char* e = b + v->size();
  auto [p, ec] = std::from_chars(b, e, n);
  if (ec != std::errc() || p != e || n < INT32_MIN || n > UINT32_MAX) return k.def;
  return gfx::Color(std::uint32_t(n));
}

}  // namespace

Settings SetDefaultSettings(const std::string& startDir) {
  Settings s;
  s.iniPath = startDir + "/terv.ini";
  s.dataDir = startDir;
  for (int i = 0; i < 6; ++i) s.FlawColors[i] = kFlawKeys[i].def;
  for (int i = 0; i < 7; ++i) s.ThicknessColors[i] = kThicknessKeys[i].def;
  for (int i = 0; i < 6; ++i) s.DefectColors[i] = kDefectKeys[i].def;
  return s;
}

Settings LoadSettings(const std::string& startDir, const std::string& localeId) {
  Settings s = SetDefaultSettings(startDir);
  s.localeId = localeId;
  const io::ReadResult read = io::readRegularFile(s.iniPath, kMaxIniBytes);
  if (!read.ok()) return s;
  const ProfileFile pf =
      ProfileFile::parse(std::string_view(reinterpret_cast<const char*>(read.bytes.data()), read.bytes.size()));
  if (auto dir = pf.read(kFiles, kDataDir); dir && !dir->empty()) s.dataDir = *dir;
  for (int i = 0; i < 6; ++i) s.FlawColors[i] = readColor(pf, kFlawKeys[i]);
  for (int i = 0; i < 7; ++i) s.ThicknessColors[i] = readColor(pf, kThicknessKeys[i]);
  for (int i = 0; i < 6; ++i) s.DefectColors[i] = readColor(pf, kDefectKeys[i]);
  return s;
}

std::string SaveSettings(const Settings& s, const std::string& programPath) {
  const std::string failed = text::msg(Msg::ininotopend) + "\n";
  ProfileFile pf;
  const io::ReadResult read = io::readRegularFile(s.iniPath, kMaxIniBytes);
  if (read.ok()) {
    pf = ProfileFile::parse(std::string_view(reinterpret_cast<const char*>(read.bytes.data()), read.bytes.size()));
  } else if (read.error == io::ReadError::TooLarge || read.error == io::ReadError::Read ||
             (read.error == io::ReadError::Open && read.errnum != ENOENT)) {
    // A file that is there but cannot be read is not replaced: the entries of the other
    // programs in it would be lost.
    return failed + io::errorText(read.errnum);
  }
  pf.write(kFiles, kMain, programPath);
  pf.write(kFiles, kDataDir, s.dataDir);
  auto put = [&pf](const ColorKey& k, gfx::Color c) {
    pf.write(text::msg(k.section), text::msg(k.key), std::to_string(c));
  };
  for (int i = 0; i < 6; ++i) put(kFlawKeys[i], s.FlawColors[i]);
  for (int i = 0; i < 7; ++i) put(kThicknessKeys[i], s.ThicknessColors[i]);
  for (int i = 0; i < 6; ++i) put(kDefectKeys[i], s.DefectColors[i]);
  const io::WriteResult written = io::writeFileAtomic(s.iniPath, pf.serialize(), io::Durability::Sync);
  if (!written.ok) return failed + written.reason;
  return {};
}

}  // namespace settings
