// Panel1: the labels of the header texts at their places, filled per file kind.
#include "ui/shell/header_panel.h"

#include <QLabel>
#include <QWidget>

#include "core/datafiles/header_text.h"
#include "qt/convert.h"

namespace ui {

void buildHeaderPanel(QWidget* parent, MainFormParts& p) {
  p.Panel1 = new QWidget(parent);
  p.Panel1->setObjectName("Panel1");
  p.Panel1->setFixedHeight(96);
  QFont italic = parent->font();
  italic.setItalic(true);
  auto label = [&p, &italic](const char* name, int x, int y) {
    auto* l = new QLabel(p.Panel1);
    l->setObjectName(name);
    l->setFont(italic);
    l->move(x, y);
    l->setMinimumWidth(x < 400 ? 200 : 270);
    return l;
  };
  p.Datelb = label("Datelb", 33, 0);
  p.IDDevlb = label("IDDevlb", 33, 25);
  p.Bloklb = label("Bloklb", 33, 50);
  p.Templb = label("Templb", 33, 76);
  p.Btimelb = label("Btimelb", 254, 0);
  p.Tolshlb = label("Tolshlb", 257, 25);
  p.Diamlb = label("Diamlb", 257, 50);
  p.Lenlb = label("Lenlb", 257, 76);
  p.Etimelb = label("Etimelb", 416, 0);
  p.Shovlb = label("Shovlb", 416, 25);
  p.Izdlb = label("Izdlb", 416, 50);
  p.Layerslb = label("Layerslb", 416, 76);
  QFont bold = italic;
  bold.setBold(true);
  p.KoorLb = label("KoorLb", 696, 25);
  p.KoorLb->setFont(bold);
  p.KYLb = label("KYLb", 696, 50);
  p.KYLb->setFont(bold);
}

void fillHeaderPanel(const MainFormParts& p, const datafiles::LoadedFile& file, const text::NumberFormat& nf) {
  // In the order of datafiles::HeaderLabel.
  QLabel* labels[12] = {p.Datelb,  p.Btimelb, p.Etimelb, p.IDDevlb, p.Bloklb, p.Templb,
                        p.Tolshlb, p.Diamlb,  p.Lenlb,   p.Shovlb,  p.Izdlb,  p.Layerslb};
  for (QLabel* l : labels) l->setVisible(false);
  for (const auto& t : datafiles::HeaderTexts(file, nf)) {
    QLabel* l = labels[int(t.label)];
    l->setText(qtx::qs(t.text));
    l->adjustSize();
    l->setVisible(true);
  }
}

}  // namespace ui
