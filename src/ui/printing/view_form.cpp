// TViewForm: the "Предварительный просмотр" window with the report as text and its "Сохранить в файл" button.
#include "ui/printing/view_form.h"

#include <QAction>
#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/host/file_names.h"
#include "ui/host/save_file.h"
#include "ui/host/view_host.h"

namespace ui {

TViewForm::TViewForm(ViewHost& host) : QWidget(host.hostWindow(), Qt::Window), host_(host) {
  setObjectName("ViewForm");
  setWindowTitle("Предварительный просмотр");
  resize(695, 466);
  setMaximumHeight(473);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  ToolBar1 = new QToolBar(this);
  ToolBar1->setObjectName("ToolBar1");
  QAction* save = ToolBar1->addAction(style()->standardIcon(QStyle::SP_DialogSaveButton), "Сохранить в файл");
  save->setToolTip("Сохранить в файл");
  ToolButton1 = qobject_cast<QToolButton*>(ToolBar1->widgetForAction(save));
  if (ToolButton1) ToolButton1->setObjectName("ToolButton1");
  connect(save, &QAction::triggered, this, [this] { ToolButton1Click(); });
  layout->addWidget(ToolBar1);

  Panel1 = new QWidget(this);
  Panel1->setObjectName("Panel1");
  auto* panelLayout = new QVBoxLayout(Panel1);
  panelLayout->setContentsMargins(0, 0, 0, 0);
  ViewEdit = new QPlainTextEdit(Panel1);
  ViewEdit->setObjectName("ViewEdit");
  ViewEdit->setReadOnly(true);
  ViewEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
  ViewEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  ViewEdit->setFrameShape(QFrame::NoFrame);
  QFont courier("Courier New", 10);
  courier.setStyleHint(QFont::TypeWriter);
  ViewEdit->setFont(courier);
  // Tab stops every eight characters, as a plain-text view shows them.
  ViewEdit->setTabStopDistance(8 * QFontMetricsF(courier).horizontalAdvance(' '));
  panelLayout->addWidget(ViewEdit);
  layout->addWidget(Panel1, 1);
}

void TViewForm::setLines(const std::vector<std::string>& lines) {
  QString text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) text += '\n';
    text += QString::fromStdString(lines[i]);
  }
  ViewEdit->setPlainText(text);
}

QStringList TViewForm::lines() const { return ViewEdit->toPlainText().split('\n'); }

void TViewForm::ToolButton1Click() {
  const DialogParentScope over(host_.dialogs(), this);
  // Plain text first, named after the data file in its folder; RTF stays the second choice.
  const QString name = host_.dialogs().saveFile("Сохранить в файл", "Текстовый файл (*.txt);;Текст RTF (*.rtf)",
                                                besideDataFile(host_.currentFileName(), "txt"), "txt");
  if (!name.isEmpty()) {
    const QByteArray bytes = (ViewEdit->toPlainText() + '\n').toUtf8();
    saveOrWarn(host_.dialogs(), name, std::string_view(bytes.constData(), std::size_t(bytes.size())));
  }
  close();
}

void TViewForm::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  if (!event->isAccepted()) return;
  hide();  // hidden now, so that the button follows at once
  emit closed();
}

}  // namespace ui
