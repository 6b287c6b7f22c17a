// A main window with a thickness file open, for the chart's ui tests and screenshots.
#pragma once

#include <gtest/gtest.h>

#include <cmath>

#include "support/file_builder.h"
#include "ui/main_window_fixture.h"
#include "ui/thickness/thickness_chart.h"
#include "ui/thickness/thickness_controller.h"

namespace charttest {

// A pipe of 8.0 mm nominal over `length` mm: slow waves, four pits, a stretch of lost
// contact on sensor 4, excess speed on sensor 1 and a reading above the nominal on sensor 3.
inline testsupport::Bytes pipeFile(int length) {
  testsupport::MapLikeFields s;
  s.length = std::uint16_t(length);
  s.nominal = 80;
  s.section = "Участок 7";
  s.product = "Труба 325x8";
  std::vector<std::array<std::uint16_t, 4>> pos;
  for (int k = 0; k < length / 2; ++k) {
    std::array<std::uint16_t, 4> r{};
    for (int i = 0; i < 4; ++i) {
      const double x = 2.0 * k;
      double t = 7.75 + 0.15 * std::sin(x / 97.0 + i) + 0.01 * ((k * 37 + i * 11) % 5);
      const double pits[][3] = {{300, 40, 2.5}, {820, 25, 4.5}, {1400, 60, 1.6}, {1650, 15, 6.5}};
      for (const auto& p : pits) {
        const double d = (x - p[0] - 30 * i) / p[1];
        t -= p[2] * std::exp(-d * d) * ((i == 1 || i == 2) ? 1.0 : 0.6);
      }
      std::uint16_t raw = std::uint16_t(std::max(t, 0.0) * 200);  // 5 x raw micrometres
      if (i == 3 && x > 1100 && x < 1180) raw = 65535;
      if (i == 0 && x > 500 && x < 530) raw = 65534;
      if (i == 2 && x > 1900 && x < 1930) raw = 1700;
      r[std::size_t(i)] = raw;
    }
    pos.push_back(r);
  }
  s.body = testsupport::thicknessBody(pos);
  return testsupport::buildMapLike(s);
}

class ChartWindow : public testsupport::MainWindowTest {
 protected:
  ChartWindow() : MainWindowTest("chart", {1280, 800}) {}

  bool open(const testsupport::Bytes& bytes, const std::string& name = "pipe.dtm") {
    const bool ok = MainWindowTest::open(bytes, name);
    settle();
    return ok;
  }
  // Three rounds of events are enough for the chart.
  static void settle() { MainWindowTest::settle(3); }
  ui::ThicknessChart& chart() { return *form_->thickness()->chart(); }
};

}  // namespace charttest
