// Writes the bundled sample files: two thickness runs of one pipe, two weld maps, flaw-detector and thickness-gauge
// records.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "support/file_builder.h"

using namespace testsupport;

namespace {

// The sample pipe's wall (um) at pipe position x (mm) and sensor i as gauged in 2007: gradual
// thinning towards 1.8 m and a local pit on sensor 2 at 0.9 m.
double wall2007(double x, int i) {
  double um = 7900.0 - 1300.0 * std::exp(-std::pow((x - 1800.0) / 420.0, 2)) * (1.0 - 0.15 * i);
  um += 60.0 * std::sin(x / 37.0 + i) + 25.0 * std::sin(x / 7.3 + 2 * i);
  if (i == 1) um -= 2600.0 * std::exp(-std::pow((x - 900.0) / 14.0, 2));
  return um;
}

// The gauge's scatter: -10 to +10 um, independent from one reading to the next.
double scatterUm(int x, int i) {
  std::uint32_t h = std::uint32_t(x) * 2654435761u + std::uint32_t(i) * 40503u;
  h ^= h >> 13;
  h *= 0x5bd1e995u;
  h ^= h >> 15;
  return double(h % 21) - 10.0;
}

// The same wall two years on: the thinning round 1.8 m deeper by up to 0.5 mm, the pit by 0.8 mm,
// and the gauge's own scatter of +-10 um.
double wall2009(double x, int i) {
  double um = wall2007(x, i) - 500.0 * std::exp(-std::pow((x - 1800.0) / 250.0, 2)) * (1.0 - 0.15 * i);
  if (i == 1) um -= 800.0 * std::exp(-std::pow((x - 900.0) / 14.0, 2));
  return um + scatterUm(int(x), i);
}

struct RunPlan {
  std::uint8_t day, month, year;
  std::uint8_t startHour, startMinute, startSecond, endHour, endMinute, endSecond;
  std::uint8_t temperature;
  int startMm;   // where on the pipe the run began
  int lengthMm;  // gauged length
  double (*wall)(double, int);
  int overNominalFrom, contactLostFrom, tooFastFrom;  // run positions (mm) of the marker stretches
};

// A run along the sample pipe: the header of the gauge and four readings every 2 mm, with a stretch
// above the nominal on sensor 3, lost contact on sensor 4 and a too fast stretch on all sensors.
Bytes thicknessRun(const RunPlan& plan) {
  MapLikeFields s;
  s.type = 1;
  s.day = plan.day;
  s.month = plan.month;
  s.year = plan.year;
  s.startHour = plan.startHour;
  s.startMinute = plan.startMinute;
  s.startSecond = plan.startSecond;
  s.endHour = plan.endHour;
  s.endMinute = plan.endMinute;
  s.endSecond = plan.endSecond;
  s.section = "Участок 4, км 12";
  s.product = "Труба 325x8 ст.20";
  s.diameter = 325;
  s.nominal = 80;
  s.block = 2;
  s.temperature = plan.temperature;
  s.channels = 4;
  s.length = std::uint16_t(plan.lengthMm);
  s.unitNumber = 117;
  s.zeroOffset = {100, 100, 100, 100};
  s.velocityFactor = 200;
  std::vector<std::array<std::uint16_t, 4>> pos;
  const int n = s.length / 2;
  for (int k = 0; k < n; ++k) {
    const double x = 2.0 * k;  // mm along the run
    std::array<std::uint16_t, 4> p{};
    for (int i = 0; i < 4; ++i) {
      double um = plan.wall(x + plan.startMm, i);
      if (i == 2 && x > plan.overNominalFrom && x < plan.overNominalFrom + 50) um = 8150;  // above the nominal
      std::uint16_t raw = std::uint16_t(std::lround((um + 100.0) / 5.0));
      if (i == 3 && x >= plan.contactLostFrom && x < plan.contactLostFrom + 30) raw = 0xFFFF;  // contact lost
      if (x >= plan.tooFastFrom && x < plan.tooFastFrom + 12) raw = 0xFFFE;                    // scanning too fast
      p[i] = raw;
    }
    pos.push_back(p);
  }
  s.body = thicknessBody(pos);
  return buildMapLike(s);
}

// The pipe of 3 m gauged in March 2007.
Bytes thicknessRun2007() {
  return thicknessRun({14, 3, 7, 9, 12, 5, 9, 31, 40, 0xF7 /* -8 degrees */, 0, 3000, wall2007, 2650, 2400, 500});
}

// The same pipe in May 2009, the run begun 120 mm further along and 2.8 m long.
Bytes thicknessRun2009() {
  return thicknessRun({20, 5, 9, 10, 2, 44, 10, 20, 3, 14, 120, 2800, wall2009, 1700, 2100, 300});
}

void put(std::vector<std::array<std::uint8_t, 2>>& cells, int layers, int layer, int from, int to, std::uint8_t size,
         std::uint8_t code) {
  for (int mm = from; mm < to; ++mm) cells[std::size_t(mm * layers + layer)] = {size, code};
}

Bytes weldMap(int layers, int length, bool dense) {
  MapLikeFields s;
  s.type = 2;
  s.day = 2;
  s.month = 11;
  s.year = 8;
  s.startHour = 13;
  s.startMinute = 40;
  s.startSecond = 0;
  s.endHour = 13;
  s.endMinute = 52;
  s.endSecond = 31;
  s.section = layers == 2 ? "Шов 12 (кольцевой)" : "Шов 3 (продольный)";
  s.product = "Труба 530x10";
  s.diameter = 530;
  s.nominal = 100;
  s.block = 1;
  s.temperature = 18;
  s.channels = std::uint8_t(layers);
  s.length = std::uint16_t(length);
  s.unitNumber = 117;
  std::vector<std::array<std::uint8_t, 2>> cells(std::size_t(layers * length), {0, 0});
  if (!dense) {
    put(cells, layers, 0, 100, 104, 4, 0);    // volume
    put(cells, layers, 1, 300, 311, 6, 1);    // volume-planar
    put(cells, layers, 0, 500, 503, 8, 2);    // planar across
    put(cells, layers, 1, 700, 721, 3, 3);    // planar along
    put(cells, layers, 0, 900, 941, 5, 251);  // speed exceeded
    put(cells, layers, 1, 900, 941, 5, 251);
    put(cells, layers, 0, 1200, 1231, 9, 250);  // contact lost
    put(cells, layers, 1, 1380, 1383, 2, 0);
  } else {
    unsigned seed = 12345;
    auto rnd = [&seed] {
      seed = seed * 1103515245u + 12345u;
      return (seed >> 16) & 0x7FFF;
    };
    const std::uint8_t codes[6] = {0, 1, 2, 3, 251, 250};
    for (int i = 0; i < 40; ++i) {
      const int from = int(rnd() % unsigned(length - 30));
      const int len = 1 + int(rnd() % 25);
      const int layer = int(rnd() % unsigned(layers));
      const std::uint8_t code = codes[rnd() % (i < 30 ? 4 : 6)];
      put(cells, layers, layer, from, from + len, std::uint8_t(1 + rnd() % 9), code);
    }
  }
  s.body = mapBody(cells);
  return buildMapLike(s);
}

std::vector<std::uint8_t> aScan(int n, int echoAt, int echoHeight) {
  std::vector<std::uint8_t> a(std::size_t(n), 0);
  for (int i = 0; i < n; ++i) {
    double v = 4.0 + 3.0 * std::sin(i * 1.7);                                   // noise floor
    v += 230.0 * std::exp(-std::pow((i - 4) / 2.5, 2));                         // initial pulse
    v += echoHeight * std::exp(-std::pow((i - echoAt) / 2.2, 2));               // the echo
    v += 0.45 * echoHeight * std::exp(-std::pow((i - echoAt * 1.6) / 3.0, 2));  // a back-wall echo
    a[std::size_t(i)] = std::uint8_t(std::clamp(v, 0.0, 255.0));
  }
  return a;
}

Bytes plainRecord() {
  FlawFields s;
  s.type = 3;
  s.day = 17;
  s.month = 6;
  s.year = 2;
  s.hour = 10;
  s.minute = 4;
  s.second = 51;
  s.block = 4;
  s.temperature = 22;
  s.unitNumber = 2041;
  s.gain = 38;
  s.flags = 0x20;  // no TVG, combined probe, long layout
  s.defectX = 134;
  s.defectY = 27;
  s.gateStart = 300;
  s.gateWidth = 250;
  s.gateLevel = 50;
  s.angle = 130;  // 65 degrees
  s.velocity = 3240;
  s.prismDelay = 1234;
  s.sweepStart = 0;
  s.sweepRange = 1000;
  s.frequency = 2500;
  s.gateStartMm = 25;
  s.gateWidthMm = 20;
  s.sweepRangeMm = 100;
  s.objectFlag = 1;
  s.objectName = "Сварной шов N7";
  s.tvgCountByte = 255;
  s.aScan = aScan(140, 52, 160);
  return buildFlaw(s);
}

Bytes extendedRecord() {
  FlawFields s = {};
  s.type = 3;
  s.day = 3;
  s.month = 9;
  s.year = 8;
  s.hour = 16;
  s.minute = 22;
  s.second = 8;
  s.block = 5;
  s.temperature = 0xFB;  // -4 degrees
  s.unitNumber = 2041;
  s.gain = 46;
  s.flags = 0x25;  // TVG in use, show the auxiliary value, combined probe, long layout
  s.defectX = 88;
  s.defectY = 14;
  s.gateStart = 420;
  s.gateWidth = 300;
  s.gateLevel = 40;
  s.angle = 140;  // 70 degrees
  s.velocity = 3240;
  s.prismDelay = 850;
  s.sweepStart = 50;
  s.sweepRange = 1500;
  s.frequency = 5000;
  s.agcGateStart = 250;
  s.agcGateWidth = 120;
  s.agcGateLevel = 60;
  s.agcGateOn = 1;
  s.gateStartMm = 30;
  s.gateWidthMm = 25;
  s.sweepStartMm = 5;
  s.sweepRangeMm = 150;
  s.objectFlag = 1;
  s.objectName = "Колено 90 гр. N3";
  s.auxValue = 273;
  s.tvgCountByte = 3;  // four points
  s.tvgGainStored = {0, 18, 36, 45};
  s.tvgTime = {100, 400, 800, 1200};
  s.aScanCode = 220;
  s.extensionCount = 12;
  s.extraGateStart = 700;
  s.extraGateWidth = 200;
  s.extraGateLevel = 30;
  s.extraGateOn = 1;
  s.aScan = aScan(220, 96, 180);
  return buildFlaw(s);
}

Bytes gaugeRecord() {
  FlawFields s;
  s.type = 4;
  s.day = 21;
  s.month = 4;
  s.year = 9;
  s.hour = 11;
  s.minute = 0;
  s.second = 2;
  s.block = 1;
  s.temperature = 15;
  s.unitNumber = 3007;
  s.gain = 30;
  s.flags = 0x40;  // short layout, separate probe
  s.gateStart = 120;
  s.gateWidth = 200;
  s.gateLevel = 45;
  s.angle = 0;
  s.velocity = 5920;
  s.prismDelay = 0;
  s.sweepRange = 400;
  s.frequency = 5000;
  s.tvgCountByte = 0;  // one point: the 64-byte header
  s.aScan = aScan(140, 70, 120);
  return buildFlaw(s);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string dir = argc > 1 ? argv[1] : ".";
  struct Out {
    const char* name;
    Bytes bytes;
  } outs[] = {
      {"TRUBA_01.DTM", thicknessRun2007()},     {"TRUBA_02.DTM", thicknessRun2009()},
      {"SHOV_12.DAU", weldMap(2, 1500, false)}, {"SHOV_3L.DAU", weldMap(3, 2500, true)},
      {"PLAIN_01.DHN", plainRecord()},          {"EXT_220.DHN", extendedRecord()},
      {"TOLSH_01.DHT", gaugeRecord()},
  };
  for (const Out& o : outs) {
    if (!writeBytes(dir + "/" + o.name, o.bytes)) {
      std::fprintf(stderr, "cannot write %s/%s\n", dir.c_str(), o.name);
      return 1;
    }
    std::printf("%s/%s (%zu bytes)\n", dir.c_str(), o.name, o.bytes.size());
  }
  return 0;
}
