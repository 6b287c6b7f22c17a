// The thickness chart build and its three viewing positions.
#include "core/thickness/chart_build.h"

#include <cmath>

#include "core/text/messages.h"

namespace thickness {

void setupThicknessChart(Chart3D& chart) {
  static const char* const kTitles[4] = {"Датчик №1", "Датчик №2", "Датчик №3", "Датчик №4"};
  for (int i = 0; i < Chart3D::kSeriesCount; ++i) chart.series(i).title = kTitles[i];
}

std::array<std::vector<ChartPoint>, 4> sensorPoints(const datafiles::LoadedFile& file) {
  std::array<std::vector<ChartPoint>, 4> out;
  const std::uint16_t nominal = file.thk.NominalThickness;
  const std::size_t n = chartSampleCount(file.thk);
  const std::size_t held = std::min(n, samplesInBody(file));
  std::array<ChartRunningValue, 4> running{ChartRunningValue(nominal), ChartRunningValue(nominal),
                                           ChartRunningValue(nominal), ChartRunningValue(nominal)};
  std::array<ChartValue, 4> last{};
  for (auto& pts : out) pts.reserve(2 * held + 1);
  for (std::size_t k = 0; k < held; ++k) {
    const std::optional<Readings> r = readSample(file, k);
    if (!r) break;
    const double x = 2.0 * double(k);
    for (int i = 0; i < 4; ++i) {
      last[i] = running[i].next((*r)[i]);
      out[i].push_back({x, last[i].mm, last[i].color});
      out[i].push_back({x + 1, last[i].mm, last[i].color});
    }
  }
  // The closing point; with no sample at all it stands at 0 mm in the contact-lost colour.
  const double end = 2.0 * double(held);
  for (int i = 0; i < 4; ++i) out[i].push_back({end, last[i].mm, last[i].color});
  return out;
}

gfx::Color buildThicknessChart(Chart3D& chart, const datafiles::LoadedFile& file, const ThkExtremes& extremes,
                               const std::array<gfx::Color, 7>& colors, const text::NumberFormat& nf) {
  chart.numberFormat = nf;
  chart.titleLines.clear();
  chart.titleFont.color = colors[5];
  chart.titleLines.push_back(text::msg(text::Msg::maxtol) + text::formatFloat(extremes[0], "###.0", nf));
  chart.titleLines.push_back(text::msg(text::Msg::mintol) + text::formatFloat(extremes[1], "###.0", nf));

  const double length = file.thk.Length;
  ChartAxis& bottom = chart.bottomAxis();
  bottom.automatic = false;
  bottom.labelColor = colors[4];
  chart.setAxisRange(bottom, 0, length + 10);
  const double bottomMax = length + 10;
  bottom.increment = double(std::int64_t(std::trunc(bottomMax)) / 10);

  ChartAxis& top = chart.topAxis();
  top.automatic = false;
  top.labelColor = colors[4];
  chart.setAxisRange(top, 0, length + 5);
  top.increment = double(std::int64_t(std::trunc(bottomMax)) / 10);

  ChartAxis& left = chart.leftAxis();
  left.automatic = false;
  left.labelColor = colors[4];
  chart.setAxisRange(left, 0, double(extremes[0]) + 2.0);

  chart.depthAxis().labelColor = colors[5];

  std::array<std::vector<ChartPoint>, 4> points = sensorPoints(file);
  for (int place = 1; place <= Chart3D::kSeriesCount; ++place) {
    ChartSeries& s = chart.series(chart.seriesAtPlace(place));
    s.active = false;
    s.points.clear();
    s.color = colors[place - 1];
    s.points = std::move(points[place - 1]);
    s.active = true;
  }
  chart.titleVisible = true;
  return colors[6];
}

void setBeginPosition(Chart3D& chart) {
  chart.rotation = 349;
  chart.elevation = 299;
  chart.topAxis().visible = false;
  chart.undoZoom();
  for (int i = 0; i < Chart3D::kSeriesCount; ++i) chart.series(i).areaLinesVisible = false;
  chart.view3D = true;
}

void setFrontPosition(Chart3D& chart) {
  chart.view3D = false;
  chart.leftAxis().visible = true;
  chart.topAxis().visible = false;
}

void setUpPosition(Chart3D& chart) {
  chart.view3D = true;
  chart.rotation = 360;
  chart.elevation = 270;
  chart.leftAxis().visible = false;
  chart.topAxis().maximum = chart.bottomAxis().maximum;
  chart.topAxis().visible = true;
  for (int i = 0; i < Chart3D::kSeriesCount; ++i) {
    chart.series(i).areaLinesVisible = false;
    chart.series(i).linePenVisible = false;
  }
}

}  // namespace thickness
