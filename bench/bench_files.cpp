// Benchmark inputs.
#include "bench_files.h"

#include <QGuiApplication>
#include <cstdlib>
#include <random>
#include <vector>

#include "bench_bytes.h"
#include "core/datafiles/reader.h"

namespace benchfiles {

void ensureGuiApp() {
  if (QCoreApplication::instance()) return;
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static int argc = 1;
  static char name[] = "terv_bench";
  static char* argv[] = {name, nullptr};
  new QGuiApplication(argc, argv);
}

datafiles::LoadedFile thicknessRun(std::uint16_t length, unsigned seed, bool markers) {
  return datafiles::loadDataBytes("/nonexistent/long.dtm", thicknessRunBytes(length, seed, markers)).file;
}

datafiles::LoadedFile denseMap(unsigned seed) {
  datafiles::LoadedFile f;
  f.kind = datafiles::FileKind::Dau;
  f.name = "/nonexistent/dense.dau";
  f.map.Layers = 3;
  f.map.Length = 65535;
  f.body.assign(2 * 3 * 65535, 0);
  std::mt19937 rng(seed);
  const std::uint8_t types[6] = {0, 1, 2, 3, 250, 251};
  for (std::size_t i = 0; i < f.body.size(); i += 2) {
    f.body[i] = std::uint8_t(1 + rng() % 9);
    f.body[i + 1] = types[rng() % 6];
  }
  return f;
}

}  // namespace benchfiles
