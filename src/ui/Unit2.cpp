#include "ui/Unit2.h"

#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "loading/orb_entry.h"
#include "ui/entry_field.h"
#include "ui/named_controls.h"
#include "ui/platform.h"
#include "ui/text_view.h"
#include "ui/window_style.h"

namespace kelvaro::ui {

TForm2::TForm2(Platform& platform) : platform_(platform) {
  setObjectName(QStringLiteral("TForm2"));
  setWindowTitle(QStringLiteral("                      Orbis-Eingabe"));
  useFixedDialogFrame(*this);
  setFixedSize(300, 120);
  setFont(captionFont(10, true));

  Edit1 = edit(this, "Edit1", {40, 24, 32, 28});
  Edit1->setMaxLength(1);
  Label1 = label(this, "Label1", QStringLiteral("Grad"), {80, 24, 60, 28});
  Edit2 = edit(this, "Edit2", {150, 24, 40, 28});
  Edit2->setMaxLength(2);
  Label2 = label(this, "Label2", QStringLiteral("Minuten"), {198, 24, 80, 28});
  // "OK" checks the entry as leaving the minutes does. It is no default
  // button (Enter moves between the fields) and takes no focus, so a click
  // on it checks once, not once more for the minutes it would leave.
  Button1 = button(this, "Button1", QStringLiteral("OK"), {110, 72, 80, 30});
  Button1->setAutoDefault(false);
  Button1->setFocusPolicy(Qt::NoFocus);

  connect(Edit1, &QLineEdit::textEdited, this, &TForm2::Edit1Change);
  connect(Edit2, &QLineEdit::textEdited, this, &TForm2::Edit2Change);
  connect(Edit1, &QLineEdit::returnPressed, this, &TForm2::Edit1Enter);
  connect(Edit2, &QLineEdit::returnPressed, this, &TForm2::Edit2Enter);
  connect(Button1, &QPushButton::clicked, this, &TForm2::Edit2Exit);
  Edit1->installEventFilter(this);
  Edit2->installEventFilter(this);
}

void TForm2::openEntry(double orb) {
  orb_ = orb;
  const auto [degrees, minutes] = orbEntryFieldTexts(orb);
  Edit1->setText(toQString(degrees));
  Edit2->setText(toQString(minutes));
  setModal(true);
  show();
  activateWindow();
  focusField(*Edit1);
  selectOnActivation_ = true;
}

void TForm2::done(int) {
  closing_ = true;
  QDialog::done(QDialog::Accepted);
  closing_ = false;
}

// Only the user's own changes move the focus; the texts the program puts
// into the fields do not.
void TForm2::Edit1Change() { focusField(*Edit2); }

void TForm2::Edit2Change() {
  if (characterCount(*Edit2) == 2) focusField(*Edit1);
}

void TForm2::Edit1Enter() { focusField(*Edit2); }

void TForm2::Edit2Enter() { focusField(*Edit1); }

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
  // The window system may drop the selection while the new window becomes
  // active; the degrees field then gets it back, so the first key replaces
  // the shown degrees.
  if (watched == Edit1 && event->type() == QEvent::FocusIn && selectOnActivation_) {
    selectOnActivation_ = false;
    Edit1->selectAll();
  }
  // A click into the minutes selects them too, as the keys and the program's
  // own focus moves do: the field is full at its two characters, so minutes
  // typed after the click would otherwise be lost.
  if (watched == Edit2 && event->type() == QEvent::FocusIn &&
      static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason) {
    QTimer::singleShot(0, Edit2, &QLineEdit::selectAll);
  }
  if (watched == Edit2 && event->type() == QEvent::FocusOut) {
    // Switching to another window (or a message box taking the focus) does
    // not leave the field; only a focus move inside this window does.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) Edit2Exit();
  }
  return QDialog::eventFilter(watched, event);
}

void TForm2::Edit2Exit() {
  if (checking_ || closing_ || !isVisible()) return;
  checking_ = true;
  const OrbEntryCheck check = checkOrbEntry(toUtf8(Edit1->text()), toUtf8(Edit2->text()));
  Edit1->setText(toQString(check.degreesText));
  Edit2->setText(toQString(check.minutesText));
  orb_ = check.orb;
  if (check.valid) {
    checking_ = false;
    accept();
    return;
  }
  platform_.showError(this, std::string(kInvalidOrbMessage));
  focusField(*Edit1);
  checking_ = false;
}

}  // namespace kelvaro::ui
