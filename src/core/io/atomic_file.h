// Whole-file reads and atomic writes: a failed save never leaves a half-written file behind.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace io {

// The whole file, or nothing when it cannot be opened or read.
std::optional<std::vector<unsigned char>> readFile(const std::string& path);

// Writes to a temporary file in the same directory, then renames it over path.
// On any failure the old file is untouched and false is returned.
bool writeFileAtomic(const std::string& path, const std::string& bytes);

bool fileExists(const std::string& path);

}  // namespace io
