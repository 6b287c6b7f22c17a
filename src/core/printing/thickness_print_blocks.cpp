// The blocks of a thickness printout: report header, legend, conclusion, footer and the page label.
#include "core/printing/thickness_print_blocks.h"

#include <cstdlib>

#include "core/protocol/protocol_fields.h"
#include "core/text/messages.h"
#include "core/text/wrap.h"
#include "core/thickness/readings.h"

namespace printing {
namespace {

using text::msg;
using text::Msg;

// Blank text cells print on white, whatever brush the last box left behind.
void whiteBrush(gfx::Canvas& c) { c.setBrush(gfx::Brush{gfx::kWhite, gfx::BrushStyle::Solid}); }

std::string pageLabel(int pageNo) { return msg(Msg::page) + " " + std::to_string(pageNo); }
// The label is placed by the width of the text without its blank.
int pageLabelWidth(gfx::Canvas& c, int pageNo) { return c.textWidth(msg(Msg::page) + std::to_string(pageNo)); }

// The memo lines stand right of the conclusion caption.
int conclusionX(gfx::Canvas& c) { return c.textWidth(std::string(protocol::kZaklCaption)) + 230; }

}  // namespace

gfx::Font thicknessPrintFont() { return gfx::Font{"Courier New", 0, 10, gfx::kBlack}; }

void setThicknessPrintFont(gfx::Canvas& c) {
  c.setFont(thicknessPrintFont());
  c.setPen(gfx::Pen{});
  whiteBrush(c);
}

ThicknessPageMetrics measureThicknessPage(gfx::Canvas& c, int pageWidth, int pageHeight) {
  ThicknessPageMetrics m;
  m.pageWidth = pageWidth;
  m.pageHeight = pageHeight;
  m.Wp = pageWidth - 400;
  m.Hp = pageHeight - 400;
  m.lineH = std::abs(c.textHeight(std::to_string(thicknessPrintFont().pointSize)));
  m.gap = m.lineH / 2;
  return m;
}

int HeaderBlock(gfx::Canvas& c, const ReportHeader& h, int width) {
  whiteBrush(c);
  const int th = c.textHeight("Courier");
  const std::string title = msg(Msg::thickresults);
  c.textOut((width - c.textWidth(title)) / 2, 200, title);
  c.textOut(200, th + 270, h[0]);
  c.textOut(200, 2 * th + 300, h[1]);
  const int y3 = 3 * th + 330;
  const int w2 = c.textWidth(h[2]);
  const int w3 = c.textWidth(h[3]);
  c.textOut(200, y3, h[2]);
  c.textOut(200 + w2 + 30, y3, h[3]);
  c.textOut(200 + w2 + w3 + 60, y3, h[4]);
  c.textOut(200, 4 * th + 360, h[5]);
  c.textOut(200, 5 * th + 390, h[6]);
  const int y7 = 6 * th + 420;
  const int w7 = c.textWidth(h[7]);
  const int w8 = c.textWidth(h[8]);
  const int w9 = c.textWidth(h[9]);
  c.textOut(200, y7, h[7]);
  c.textOut(w7 + 230, y7, h[8]);
  c.textOut(w7 + w8 + 260, y7, h[9]);
  c.textOut(w7 + w8 + w9 + 290, y7, h[10]);
  return 7 * th + 450;
}

int LegendBlock(gfx::Canvas& c, int width, int y, int N, int lineH, const text::NumberFormat& nf) {
  const float step = float(N - 1) * 0.2f;
  const float offset = float(N - 1) * 0.02f;
  whiteBrush(c);
  c.textOut(width / 2 - c.textWidth("Условные"), y, msg(Msg::usl));

  y += 2 * lineH;
  struct Sample {
    int x;
    gfx::Color color;
    Msg label;
  };
  const Sample samples[3] = {{200, thickness::kContactLostColor, Msg::AK},
                             {200 + width / 3, thickness::kThicknessExceededColor, Msg::bigtol},
                             {200 + 2 * width / 3, thickness::kSpeedExceededColor, Msg::bigvel}};
  for (const Sample& s : samples) {
    c.setPen(gfx::Pen{});
    c.setBrush(gfx::Brush{s.color, gfx::BrushStyle::Solid});
    c.rectangle(gfx::Rect{s.x, y, s.x + 2 * lineH, y + lineH});
    whiteBrush(c);
    c.textOut(s.x + 2 * lineH + 5, y + 1, msg(s.label));
  }

  c.textOut(width / 2 - c.textWidth("Отклонения"), y + 2 * lineH, msg(Msg::anomal));

  const int g = y + 3 * lineH + 20;
  for (int k = 0; k < 5; ++k) {
    const int x = 200 + int(k * (width / 5.0));
    for (int j = 0; j < 10; ++j)
      c.fillRect(gfx::Rect{x, g + j * lineH, x + 2 * lineH, g + (j + 1) * lineH}, thickness::DeviationColors[k][j]);
    whiteBrush(c);
    const float top = float(k) * step + offset;
    const float bottom = float(k + 1) * step;
    c.textOut(x + 2 * lineH + 5, g + 1, " " + text::formatFloat(top, "#0.0", nf) + msg(Msg::mm));
    c.textOut(x + 2 * lineH + 5, g + 9 * lineH - 1, " " + text::formatFloat(bottom, "#0.0", nf) + msg(Msg::mm));
  }
  return g + 10 * lineH + 20;
}

bool conclusionLineFits(const ThicknessPageMetrics& m, int y) {
  // The line itself, the three footer lines below it, a gap above the page label.
  const int step = m.lineH + m.gap;
  return y + 4 * step + m.lineH <= m.pageHeight - 200 - m.gap;
}

std::vector<std::string> conclusionPieces(gfx::Canvas& c, const ThicknessPageMetrics& m,
                                          const std::vector<std::string>& lines) {
  const int room = m.pageWidth - 200 - conclusionX(c);
  const text::TextMeasure width = [&c](const std::string& t) { return std::abs(c.textWidth(t)); };
  std::vector<std::string> pieces;
  pieces.reserve(lines.size());
  for (const std::string& line : lines)
    for (std::string& piece : text::wrapLine(line, room, width)) pieces.push_back(std::move(piece));
  return pieces;
}

int ConclusionBlock(gfx::Canvas& c, const ThicknessPageMetrics& m, int y, const std::vector<std::string>& lines,
                    std::size_t& idx, bool atLeastOne) {
  whiteBrush(c);
  c.textOut(200, y, std::string(protocol::kZaklCaption));
  const int x = conclusionX(c);
  bool first = true;
  while (idx < lines.size() && ((first && atLeastOne) || conclusionLineFits(m, y))) {
    c.textOut(x, y, lines[idx]);
    y += m.lineH + m.gap;
    ++idx;
    first = false;
  }
  return y;
}

void FooterBlock(gfx::Canvas& c, const ThicknessPageMetrics& m, int y, unsigned lengthMm,
                 const std::string& operatorName, int sheets) {
  whiteBrush(c);
  const int step = m.lineH + m.gap;
  y += step;
  c.textOut(200, y, msg(Msg::control) + std::to_string(lengthMm) + msg(Msg::mm) + ".");
  y += step;
  c.textOut(200, y, std::string(protocol::kDefCaption) + " " + operatorName);
  c.textOut(200, y + step, msg(Msg::allist) + std::to_string(sheets));
}

void graphicPageLabel(gfx::Canvas& c, const ThicknessPageMetrics& m, int pageNo) {
  whiteBrush(c);
  c.textOut(m.Wp - pageLabelWidth(c, pageNo), m.pageHeight - 200, pageLabel(pageNo));
}

void tablePageLabel(gfx::Canvas& c, const ThicknessPageMetrics& m, int pageNo) {
  whiteBrush(c);
  c.textOut(m.pageWidth - pageLabelWidth(c, pageNo) - 200, m.pageHeight - 200, pageLabel(pageNo));
}

}  // namespace printing
