// SGTab: the value-table grid with its design values; the model formats only the visible cells.
#include "ui/thickness/sg_tab.h"

#include <QFont>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPalette>
#include <algorithm>

#include "qt/convert.h"
#include "ui/thickness/value_table_model.h"

namespace ui {

namespace {
constexpr int kColumnWidth = 85;
constexpr int kRowHeight = 22;
}  // namespace

SGTab::SGTab(QWidget* parent) : QTableView(parent) {
  setObjectName("SGTab");
  model_ = new ValueTableModel(this);
  setModel(model_);

  // The unit's Helvetica-like Cyrillic face, else one with Arial's metrics.
  QFont font;
  font.setFamilies({QStringLiteral("PROMT Helv Cyr"), QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
  font.setPixelSize(13);
  font.setBold(true);
  font.setItalic(true);
  setFont(font);
  horizontalHeader()->setFont(font);

  QPalette pal = palette();
  pal.setColor(QPalette::Base, qtx::toQColor(thickness::kInactiveCaptionText));
  pal.setColor(QPalette::Window, qtx::toQColor(thickness::kInactiveCaptionText));
  pal.setColor(QPalette::Text, Qt::black);
  setPalette(pal);

  // No grid lines, no editing, keyboard moves between cells; a vertical scroll bar only.
  setShowGrid(false);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setTabKeyNavigation(true);
  setWordWrap(false);
  setTextElideMode(Qt::ElideNone);  // a long text is cut at the cell edge, as the grid does
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);

  // Uniform rows and columns: the view never measures the contents, so any length shows at once.
  QHeaderView* v = verticalHeader();
  v->hide();
  v->setSectionResizeMode(QHeaderView::Fixed);
  v->setMinimumSectionSize(1);
  v->setDefaultSectionSize(kRowHeight);
  QHeaderView* h = horizontalHeader();
  h->setSectionResizeMode(QHeaderView::Fixed);
  h->setDefaultSectionSize(kColumnWidth);
  h->setMinimumSectionSize(1);
  h->setFixedHeight(kRowHeight);
  h->setHighlightSections(false);
  h->setSectionsClickable(false);
  h->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  connect(h, &QHeaderView::sectionDoubleClicked, this, [this](int) { emit gridDoubleClicked(); });

  setToolTip(QStringLiteral("Таблица значений"));
  applyFixedRowColor();
}

void SGTab::setTable(thickness::ValueTable table) {
  model_->setTable(std::move(table));
  applyFixedRowColor();
  fitHeaderTexts();
  scrollToTop();
}

const thickness::ValueTable& SGTab::table() const { return model_->table(); }

void SGTab::applyFixedRowColor() {
  // The fixed row is the header: its colour (clInfoBk, or the cell colour in the
  // no-result form) is set by style so that every platform style honours it.
  const QColor c = qtx::toQColor(model_->table().fixedRowColor());
  horizontalHeader()->setStyleSheet(
      QStringLiteral("QHeaderView { background-color: %2; }"
                     " QHeaderView::section { background-color: %1; color: black; border: none;"
                     " padding-left: 2px; font-family: \"PROMT Helv Cyr\", Arial, \"Liberation Sans\";"
                     " font-size: 13px; font-weight: bold; font-style: italic; }")
          .arg(c.name(), qtx::toQColor(thickness::kInactiveCaptionText).name()));
}

void SGTab::fitHeaderTexts() {
  // A column keeps the grid's width unless its title needs more ("Min.толщина" in the header's
  // bold italic does): a title is never cut.
  QFont font("PROMT Helv Cyr");
  font.setPixelSize(13);
  font.setBold(true);
  font.setItalic(true);
  const QFontMetrics fm(font);
  QHeaderView* h = horizontalHeader();
  for (int c = 0; c < model_->columnCount(); ++c) {
    const QString title = model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    h->resizeSection(c, std::max(kColumnWidth, fm.horizontalAdvance(title) + 8));
  }
}

void SGTab::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();
  emit gridDoubleClicked();
}

}  // namespace ui
