// The thickness legend palette and its labels.
#include "core/thickness/legend.h"

#include "core/text/messages.h"
#include "core/thickness/readings.h"

namespace thickness {

namespace {
gfx::Font legendFont() {
  gfx::Font f;
  f.name = "Arial";
  f.pixelHeight = 12;
  f.color = gfx::kBlack;
  return f;
}
}  // namespace

int legendRowHeight(int imageHeight) { return imageHeight > 0 ? imageHeight / 52 : 0; }

void drawLegendPalette(gfx::Canvas& c, int a, int b) {
  c.setPen(gfx::Pen{gfx::kBlack, 1, gfx::PenStyle::Clear, gfx::PenMode::Copy});
  c.setFont(legendFont());
  auto row = [&](int k, gfx::Color fill, const std::string* label) {
    c.setBrush(gfx::Brush{fill, gfx::BrushStyle::Solid});
    c.rectangle(gfx::Rect{1, k * a - 1, b, (k + 1) * a});
    c.setBrush(gfx::Brush{gfx::kWhite, gfx::BrushStyle::Clear});
    if (label) c.textOut(b + 5, k * a - 2, *label);
  };
  row(1, kContactLostColor, &text::msg(text::Msg::AK));
  row(2, kThicknessExceededColor, &text::msg(text::Msg::bigtol));
  row(3, kSpeedExceededColor, &text::msg(text::Msg::bigvel));
  for (int g = 0; g < 5; ++g) {
    for (int h = 0; h < 10; ++h) row(4 + 10 * g + h, DeviationColors[g][h], nullptr);
  }
}

std::vector<std::string> legendLabels(std::uint16_t nominal, const text::NumberFormat& nf) {
  // The nominal in whole millimetres, never cut to a byte; below 1 mm the scale's own
  // width (N - 0.1 mm) so that no label turns negative.
  const unsigned n = unsigned(nominal) / 10u;
  const double scale = n >= 1 ? double(n - 1) : (nominal > 1 ? (nominal - 1) * 0.1 : 0.0);
  auto label = [&](double v) {
    const std::string num = text::formatDouble(v, "#0.0", nf);
    return (v > 0 || n >= 1 ? "-" : "") + num + "мм.";
  };
  std::vector<std::string> out;
  out.push_back(label(scale * 0.02));
  for (int j = 1; j <= 5; ++j) out.push_back(label(j * scale * 0.2));
  return out;
}

void drawLegendLabels(gfx::Canvas& c, int a, std::uint16_t nominal, const text::NumberFormat& nf, int b) {
  c.setFont(legendFont());
  c.setBrush(gfx::Brush{gfx::kWhite, gfx::BrushStyle::Clear});
  const std::vector<std::string> labels = legendLabels(nominal, nf);
  c.textOut(b + 5, 4 * a, labels[0]);
  for (int j = 1; j <= 5; ++j) c.textOut(b + 5, (10 * j + 3) * a - 2, labels[j]);
}

}  // namespace thickness
