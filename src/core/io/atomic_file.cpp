// Whole-file reads and atomic writes over the standard library.
#include "core/io/atomic_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

namespace io {

std::optional<std::vector<unsigned char>> readFile(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<unsigned char> bytes;
  char buf[65536];
  while (in) {
    in.read(buf, sizeof buf);
    bytes.insert(bytes.end(), buf, buf + in.gcount());
  }
  if (in.bad()) return std::nullopt;
  return bytes;
}

bool writeFileAtomic(const std::string& path, const std::string& bytes) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (fs::is_directory(path, ec)) return false;
  // A new temporary file beside the target, never an existing one.
  std::random_device rd;
  std::string temp;
  std::FILE* f = nullptr;
  for (int attempt = 0; attempt < 8 && !f; ++attempt) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, ".~%08x", static_cast<unsigned>(rd()));
    temp = path + suffix;
    f = std::fopen(temp.c_str(), "wbx");
    if (!f && !fs::exists(temp, ec)) return false;
  }
  if (!f) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = std::fflush(f) == 0 && ok;
  ok = std::fclose(f) == 0 && ok;
  if (!ok) {
    fs::remove(temp, ec);
    return false;
  }
  // Keep the access rights the old file had.
  const auto old = fs::status(path, ec);
  if (!ec && fs::is_regular_file(old)) fs::permissions(temp, old.permissions(), ec);
  ec.clear();
  fs::rename(temp, path, ec);
  if (ec) {
    fs::remove(temp, ec);
    return false;
  }
  return true;
}

bool fileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

}  // namespace io
