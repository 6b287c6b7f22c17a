// Writes the files the command-level benchmarks run tervtool on (scripts/bench): thickness
// runs of 200 to 65 535 mm, dense defect maps of 200 and 65 535 mm, and a batch of 40 runs.
#include <cstdio>
#include <string>

#include "bench_bytes.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_bench_files DIR\n");
    return 1;
  }
  const std::string dir = argv[1];
  bool ok = true;
  for (const unsigned length : {200u, 2000u, 20000u, 65535u}) {
    const auto bytes = benchfiles::thicknessRunBytes(std::uint16_t(length), 2, false);
    ok = testsupport::writeBytes(dir + "/run_" + std::to_string(length) + ".dtm", bytes) && ok;
  }
  for (const unsigned length : {200u, 65535u}) {
    const auto bytes = benchfiles::denseMapBytes(std::uint16_t(length), 3);
    ok = testsupport::writeBytes(dir + "/map_" + std::to_string(length) + ".dau", bytes) && ok;
  }
  for (unsigned k = 0; k < 40; ++k) {
    char name[32];
    std::snprintf(name, sizeof name, "/batch/run_%02u.dtm", k);
    ok = testsupport::writeBytes(dir + name, benchfiles::thicknessRunBytes(6000, 10 + k, true)) && ok;
  }
  if (!ok) std::fprintf(stderr, "make_bench_files: cannot write into %s\n", dir.c_str());
  return ok ? 0 : 1;
}
