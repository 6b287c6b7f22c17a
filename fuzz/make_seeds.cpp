// Writes the seed corpora of the fuzz targets, one folder per target: valid files of every
// kind and form, a terv.ini and protocol files.
#include <cstdio>
#include <string>

#include "core/text/cp1251.h"
#include "support/file_builder.h"

using namespace testsupport;

namespace {

Bytes textBytes(const std::string& utf8) {
  const std::string cp = text::utf8ToCp1251(utf8);
  return Bytes(cp.begin(), cp.end());
}

}  // namespace

int main(int argc, char** argv) {
  const std::string dir = argc > 1 ? argv[1] : "fuzz/corpus";
  int n = 0;
  auto out = [&](const std::string& target, const Bytes& b) {
    writeBytes(dir + "/" + target + "/seed" + std::to_string(n++), b);
  };
  // The reader's seeds go to every target that reads the same kind.
  auto file = [&](const std::string& kindTarget, const Bytes& b) {
    out("reader", b);
    out(kindTarget, b);
  };

  for (int header : {96, 128}) {
    MapLikeFields s;
    s.headerSize = header;
    s.length = 16;
    s.body = thicknessBody({{1000, 2000, 0xFFFF, 0xFFFE}, {1, 2, 3, 4}});
    file("thickness", buildMapLike(s));
    s.type = 2;
    s.channels = 2;
    s.body = mapBody({{3, 0}, {0, 0}, {5, 251}, {9, 250}});
    file("defect_map", buildMapLike(s));
  }
  {
    // A longer strip of every class in three layers, and readings of every class.
    MapLikeFields s;
    s.type = 2;
    s.channels = 3;
    s.length = 40;
    std::vector<std::array<std::uint8_t, 2>> cells;
    for (int i = 0; i < 120; ++i)
      cells.push_back({std::uint8_t(i % 7 ? i % 12 : 0), std::uint8_t(i % 5 == 0 ? 250 + i % 6 : i % 4)});
    s.body = mapBody(cells);
    out("defect_map", buildMapLike(s));
    MapLikeFields t;
    t.length = 40;
    t.nominal = 80;
    std::vector<std::array<std::uint16_t, 4>> readings;
    for (int i = 0; i < 20; ++i)
      readings.push_back({std::uint16_t(1500 + i * 10), std::uint16_t(i % 3 ? 1600 : 0xFFFF), std::uint16_t(900 + i),
                          std::uint16_t(i % 4 ? 1700 : 0xFFFE)});
    t.body = thicknessBody(readings);
    out("thickness", buildMapLike(t));
  }

  FlawFields f;
  file("flaw", buildFlaw(f));
  f.objectFlag = 1;
  f.objectName = "Труба 3";
  f.tvgCountByte = 0;
  file("flaw", buildFlaw(f));
  f.tvgCountByte = 3;
  f.aScanCode = 9;
  file("flaw", buildFlaw(f));
  f.aScanCode = 200;
  f.extensionCount = 12;
  f.extraGateOn = 1;
  f.extraGateStart = 300;
  f.extraGateWidth = 80;
  file("flaw", buildFlaw(f));
  f.type = 4;
  f.flags = 0x40;
  file("flaw", buildFlaw(f));

  out("profile",
      textBytes("[Files]\r\nmain=/opt/terv/tervview\r\nDataDir=/data\r\n\r\n[Р.Дефектоскоп]\r\nФон=16777215\r\n"
                "Сетка=255\r\n\r\n[А.Толщиномер]\r\nДатчик1=12956849\r\n\r\n[А.Дефект]\r\nАК=-1\r\n"));
  out("profile", textBytes("; comment\nloose line\n[files]\ndatadir = C:\\DATA \n[Принтер]\nПоле=5\n[]\n=x\n"));
  out("protocol", textBytes("Протокол №:12\r\nОбъект:Труба 3\r\nДефектоскопист:Иванов\r\nЗаключение:Стенка в норме\r\n"
                            "Дефектов нет\r\n"));
  out("protocol", textBytes("/data/SHOV.12.DAU\nA\nB"));
  std::printf("%d seeds in %s\n", n, dir.c_str());
  return 0;
}
