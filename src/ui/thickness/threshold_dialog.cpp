// TForm2: the threshold field with its key filter, the button's check and the dialog's results.
#include "ui/thickness/threshold_dialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "core/thickness/threshold_input.h"
#include "qt/convert.h"
#include "ui/host/dialogs.h"

namespace ui {

TForm2::TForm2(Dialogs& dialogs, text::NumberFormat nf, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), nf_(std::move(nf)) {
  setObjectName("TForm2");
  setWindowTitle(QStringLiteral("Ввод порога толщины"));
  // A dialog frame with the close box only.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(267, 68);
  QFont f("MS Sans Serif");
  f.setPixelSize(11);
  setFont(f);

  PTolshEdt = new QLineEdit(this);
  PTolshEdt->setObjectName("PTolshEdt");
  PTolshEdt->setGeometry(96, 8, 89, 21);
  PTolshEdt->installEventFilter(this);

  Button1 = new QPushButton(QStringLiteral("Показать  таблицу"), this);
  Button1->setObjectName("Button1");
  Button1->setGeometry(72, 40, 137, 25);
  Button1->setAutoDefault(false);
  connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);

  setFocusProxy(PTolshEdt);
}

void TForm2::bind(std::uint16_t* threshold, std::uint16_t nominal) {
  threshold_ = threshold;
  nominal_ = nominal;
  PTolshEdt->setText(qtx::qs(thickness::thresholdText(threshold ? *threshold : 0, nf_)));
  PTolshEdt->setFocus();
}

void TForm2::Button1Click() {
  if (!threshold_) return;
  const thickness::ThresholdEntry e = thickness::evaluateThreshold(qtx::ss(PTolshEdt->text()), nf_.decimal, nominal_);
  // The value is kept before the check, so a rejected value is what the field shows next time.
  if (e.stores()) *threshold_ = e.tenths;
  if (e.verdict == thickness::ThresholdVerdict::Accepted) {
    done(kAccepted);
    return;
  }
  dialogs_.message(qtx::qs(thickness::thresholdMessage(e.verdict, nf_.decimal)));
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
  if (watched == PTolshEdt && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      Button1Click();
      return true;
    }
    // Keys without a character (arrows, Delete, shortcuts) pass; a character passes only
    // when the filter lets every one of its code points through.
    const QString text = key->text();
    for (char32_t ch : text.toUcs4()) {
      if (ch == 0x7F) continue;  // Delete
      if (!thickness::thresholdKeyPasses(ch, nf_.decimal)) return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TForm2::keyPressEvent(QKeyEvent* event) {
  // Escape does not close this dialog (it has no cancel button); everything else as usual.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TForm2::closeEvent(QCloseEvent* event) {
  // The close box ends the dialog with the same result as the button.
  event->accept();
  done(kAccepted);
}

void TForm2::reject() { done(kAccepted); }

}  // namespace ui
