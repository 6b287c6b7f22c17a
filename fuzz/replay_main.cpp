// Runs every file of a corpus directory through the fuzz target once (used by ctest without libFuzzer).
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  int n = 0;
  for (int a = 1; a < argc; ++a) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(argv[a])) {
      if (!entry.is_regular_file()) continue;
      std::ifstream in(entry.path(), std::ios::binary);
      std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
      ++n;
    }
  }
  std::printf("replayed %d inputs\n", n);
  return n > 0 ? 0 : 1;
}
