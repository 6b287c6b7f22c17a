// Writes the seed corpus of the reader fuzzer: one valid file of every kind and form.
#include <cstdio>
#include <string>

#include "support/file_builder.h"

using namespace testsupport;

int main(int argc, char** argv) {
  const std::string dir = argc > 1 ? argv[1] : "fuzz/corpus";
  int n = 0;
  auto out = [&](const Bytes& b) { writeBytes(dir + "/seed" + std::to_string(n++), b); };
  for (int header : {96, 128}) {
    MapLikeFields s;
    s.headerSize = header;
    s.length = 16;
    s.body = thicknessBody({{1000, 2000, 0xFFFF, 0xFFFE}, {1, 2, 3, 4}});
    out(buildMapLike(s));
    s.type = 2;
    s.channels = 2;
    s.body = mapBody({{3, 0}, {0, 0}, {5, 251}, {9, 250}});
    out(buildMapLike(s));
  }
  FlawFields f;
  out(buildFlaw(f));
  f.objectFlag = 1;
  f.tvgCountByte = 0;
  out(buildFlaw(f));
  f.tvgCountByte = 3;
  f.aScanCode = 9;
  out(buildFlaw(f));
  f.aScanCode = 200;
  f.extensionCount = 12;
  out(buildFlaw(f));
  f.type = 4;
  f.flags = 0x40;
  out(buildFlaw(f));
  std::printf("%d seeds in %s\n", n, dir.c_str());
  return 0;
}
