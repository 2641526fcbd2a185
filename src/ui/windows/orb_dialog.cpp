#include "ui/windows/orb_dialog.h"

#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "loading/orb_entry.h"
#include "ui/help/orb_help.h"
#include "ui/help/window_help.h"
#include "ui/platform/platform.h"
#include "ui/widgets/entry_field.h"
#include "ui/widgets/named_controls.h"
#include "ui/widgets/text_view.h"
#include "ui/widgets/window_style.h"

namespace kelvaro::ui {

OrbDialog::OrbDialog(Platform& platform) : platform_(platform) {
  setObjectName(QStringLiteral("TForm2"));
  setWindowTitle(QStringLiteral("                      Orbis-Eingabe"));
  useFixedDialogFrame(*this);
  setFixedSize(300, 120);
  setFont(captionFont(10, true));

  degreesField_ = edit(this, "Edit1", {40, 24, 32, 28});
  degreesField_->setMaxLength(1);
  degreesCaption_ = label(this, "Label1", QStringLiteral("Grad"), {80, 24, 60, 28});
  minutesField_ = edit(this, "Edit2", {150, 24, 40, 28});
  minutesField_->setMaxLength(2);
  minutesCaption_ = label(this, "Label2", QStringLiteral("Minuten"), {198, 24, 80, 28});
  // "OK" checks the entry as leaving the minutes does. It is no default
  // button (Enter moves between the fields) and takes no focus, so a click
  // on it checks once, not once more for the minutes it would leave.
  okButton_ = button(this, "Button1", QStringLiteral("OK"), {110, 72, 80, 30});
  okButton_->setAutoDefault(false);
  okButton_->setFocusPolicy(Qt::NoFocus);

  connect(degreesField_, &QLineEdit::textEdited, this, &OrbDialog::degreesEdited);
  connect(minutesField_, &QLineEdit::textEdited, this, &OrbDialog::minutesEdited);
  connect(degreesField_, &QLineEdit::returnPressed, this, &OrbDialog::degreesReturnPressed);
  connect(minutesField_, &QLineEdit::returnPressed, this, &OrbDialog::minutesReturnPressed);
  connect(okButton_, &QPushButton::clicked, this, &OrbDialog::checkOrb);
  degreesField_->installEventFilter(this);
  minutesField_->installEventFilter(this);
  addHelpKey(*this, QStringLiteral("Orbis-Eingabe"), orbHelp());
}

void OrbDialog::openEntry(double orb) {
  orb_ = orb;
  const auto [degrees, minutes] = orbEntryFieldTexts(orb);
  degreesField_->setText(toQString(degrees));
  minutesField_->setText(toQString(minutes));
  setModal(true);
  show();
  activateWindow();
  focusField(*degreesField_);
  selectOnActivation_ = true;
}

void OrbDialog::done(int) {
  closing_ = true;
  QDialog::done(QDialog::Accepted);
  closing_ = false;
}

// Only the user's own changes move the focus; the texts the program puts
// into the fields do not.
void OrbDialog::degreesEdited() { focusField(*minutesField_); }

void OrbDialog::minutesEdited() {
  if (characterCount(*minutesField_) == 2) focusField(*degreesField_);
}

void OrbDialog::degreesReturnPressed() { focusField(*minutesField_); }

void OrbDialog::minutesReturnPressed() { focusField(*degreesField_); }

bool OrbDialog::eventFilter(QObject* watched, QEvent* event) {
  // The window system may drop the selection while the new window becomes
  // active; the degrees field then gets it back, so the first key replaces
  // the shown degrees.
  if (watched == degreesField_ && event->type() == QEvent::FocusIn && selectOnActivation_) {
    selectOnActivation_ = false;
    degreesField_->selectAll();
  }
  // A click into the minutes selects them too, as the keys and the program's
  // own focus moves do: the field is full at its two characters, so minutes
  // typed after the click would otherwise be lost.
  if (watched == minutesField_ && event->type() == QEvent::FocusIn &&
      static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason) {
    QTimer::singleShot(0, minutesField_, &QLineEdit::selectAll);
  }
  if (watched == minutesField_ && event->type() == QEvent::FocusOut) {
    // Switching to another window (or a message box taking the focus) does
    // not leave the field; only a focus move inside this window does.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) checkOrb();
  }
  return QDialog::eventFilter(watched, event);
}

void OrbDialog::checkOrb() {
  if (checking_ || closing_ || !isVisible()) return;
  checking_ = true;
  const OrbEntryCheck check =
      checkOrbEntry(toUtf8(degreesField_->text()), toUtf8(minutesField_->text()));
  degreesField_->setText(toQString(check.degreesText));
  minutesField_->setText(toQString(check.minutesText));
  orb_ = check.orb;
  if (check.valid) {
    checking_ = false;
    accept();
    return;
  }
  platform_.showError(this, std::string(kInvalidOrbMessage));
  focusField(*degreesField_);
  checking_ = false;
}

}  // namespace kelvaro::ui
