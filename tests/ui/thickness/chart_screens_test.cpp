// Screenshots of the thickness chart in the real window; run with TERV_SCREENSHOT_DIR set (under Xvfb).
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QToolButton>
#include <cstdlib>

#include "chart_fixture.h"
#include "ui/thickness/chart_widget.h"
#include "ui/thickness/legend_form.h"

namespace charttest {
namespace {

class ChartScreens : public ChartWindow {};

void moveMouse(QWidget* w, int x, int y) {
  QMouseEvent ev(QEvent::MouseMove, QPointF(x, y), w->mapToGlobal(QPointF(x, y)), Qt::NoButton, Qt::NoButton,
                 Qt::NoModifier);
  QApplication::sendEvent(w, &ev);
}

TEST_F(ChartScreens, InitialFrontTopAndLegend) {
  const char* out = std::getenv("TERV_SCREENSHOT_DIR");
  if (!out) GTEST_SKIP() << "TERV_SCREENSHOT_DIR not set";
  const QString dirOut = QString::fromUtf8(out);
  form_->show();
  ASSERT_TRUE(open(pipeFile(2000)));
  settle();
  form_->grab().save(dirOut + "/chart-initial.png");
  chart().legendForm()->grab().save(dirOut + "/chart-legend.png");

  form_->FrPosBtn->click();
  settle();
  ui::ChartWidget* w = chart().autoChrt();
  const gfx::Rect r = chart().chart().plotRect();
  moveMouse(w, r.left + r.width() * 41 / 100, r.top + r.height() / 2);
  moveMouse(w, r.left + r.width() * 42 / 100, r.top + r.height() * 2 / 3);
  settle();
  form_->grab().save(dirOut + "/chart-front.png");

  form_->AUpPos->trigger();
  settle();
  form_->grab().save(dirOut + "/chart-top.png");
}

}  // namespace
}  // namespace charttest
