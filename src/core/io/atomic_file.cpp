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
  const fs::path target(path);
  if (fs::is_directory(target, ec)) return false;
  std::random_device rd;
  const fs::path temp = target.parent_path() / (target.filename().string() + ".tmp" + std::to_string(rd() % 1000000));
  {
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const bool flushed = std::fflush(f) == 0;
    const bool closed = std::fclose(f) == 0;
    if (!written || !flushed || !closed) {
      fs::remove(temp, ec);
      return false;
    }
  }
  fs::rename(temp, target, ec);
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
