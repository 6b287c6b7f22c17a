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
  QFont bold = italic;
  bold.setBold(true);
  // Each label at its place in the panel; the read-out in bold.
  struct Place {
    QLabel* MainFormParts::*label;
    const char* name;
    int x, y;
  };
  static constexpr Place kPlaces[] = {
      {&MainFormParts::Datelb, "Datelb", 33, 0},    {&MainFormParts::IDDevlb, "IDDevlb", 33, 25},
      {&MainFormParts::Bloklb, "Bloklb", 33, 50},   {&MainFormParts::Templb, "Templb", 33, 76},
      {&MainFormParts::Btimelb, "Btimelb", 254, 0}, {&MainFormParts::Tolshlb, "Tolshlb", 257, 25},
      {&MainFormParts::Diamlb, "Diamlb", 257, 50},  {&MainFormParts::Lenlb, "Lenlb", 257, 76},
      {&MainFormParts::Etimelb, "Etimelb", 416, 0}, {&MainFormParts::Shovlb, "Shovlb", 416, 25},
      {&MainFormParts::Izdlb, "Izdlb", 416, 50},    {&MainFormParts::Layerslb, "Layerslb", 416, 76},
      {&MainFormParts::KoorLb, "KoorLb", 696, 25},  {&MainFormParts::KYLb, "KYLb", 696, 50}};
  for (const Place& place : kPlaces) {
    auto* l = new QLabel(p.Panel1);
    l->setObjectName(place.name);
    l->setFont(place.x > 600 ? bold : italic);
    l->move(place.x, place.y);
    l->setMinimumWidth(place.x < 400 ? 200 : 270);
    p.*place.label = l;
  }
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
