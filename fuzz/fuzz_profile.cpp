// terv.ini as read at start: the profile-file parser, the settings taken from it, and a
// write-back that must keep what was written.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include "core/settings/profile_file.h"
#include "core/settings/settings.h"

namespace {

// A private directory for the terv.ini of each input (on the machine's temporary file system).
const std::string& scratch() {
  static const std::string dir = [] {
    const char* tmp = std::getenv("TMPDIR");
    std::string d = std::string(tmp && *tmp ? tmp : "/tmp") + "/terv-fuzz-profile-XXXXXX";
    if (!mkdtemp(d.data())) std::abort();
    return d;
  }();
  return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  settings::ProfileFile pf = settings::ProfileFile::parse(bytes);
  for (const std::string& section : pf.sectionNames()) (void)pf.read(section, "DataDir");
  (void)pf.hasSection("Files");

  // What is written reads back, after a round trip through the file's bytes too.
  pf.write("Files", "DataDir", "/data/Участок 1");
  if (pf.read("Files", "DataDir") != "/data/Участок 1") std::abort();
  const settings::ProfileFile again = settings::ProfileFile::parse(pf.serialize());
  if (again.read("Files", "DataDir") != "/data/Участок 1") std::abort();

  // The settings the viewer takes from such a file (their synced write-back is too slow to
  // run for every input; the round trip above covers what it writes).
  {
    std::ofstream out(scratch() + "/terv.ini", std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    if (!out) return 0;
  }
  const settings::Settings s = settings::LoadSettings(scratch(), "00000419");
  if (s.iniPath != scratch() + "/terv.ini") std::abort();
  return 0;
}
