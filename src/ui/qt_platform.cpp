#include "ui/qt_platform.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include "ui/text_view.h"

namespace kelvaro::ui {
namespace {

// Runs a message box; the button texts are German whatever translations the
// system has.
QMessageBox::StandardButton runBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                   const std::string& text, QMessageBox::StandardButtons buttons) {
  QMessageBox box(icon, title, messageText(text), buttons, parent);
  box.setTextFormat(Qt::PlainText);
  if (auto* yes = box.button(QMessageBox::Yes)) yes->setText(QStringLiteral("Ja"));
  if (auto* no = box.button(QMessageBox::No)) no->setText(QStringLiteral("Nein"));
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void QtPlatform::showError(QWidget* parent, const std::string& text) {
  runBox(parent, QMessageBox::Critical, QStringLiteral("Fehler"), text, QMessageBox::Ok);
}

void QtPlatform::showInformation(QWidget* parent, const std::string& text) {
  runBox(parent, QMessageBox::Information, QStringLiteral("Information"), text, QMessageBox::Ok);
}

bool QtPlatform::askYesNo(QWidget* parent, const std::string& text) {
  return runBox(parent, QMessageBox::Question, QStringLiteral("Bestätigung"), text,
                QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<std::string> QtPlatform::chooseFile(QWidget* parent,
                                                  const std::filesystem::path& initialFolder) {
  const QString chosen =
      QFileDialog::getOpenFileName(parent, QStringLiteral("Öffnen"), pathText(initialFolder));
  if (chosen.isEmpty()) return std::nullopt;
  return toUtf8(QDir::toNativeSeparators(chosen));
}

std::optional<std::string> QtPlatform::chooseSaveFile(QWidget* parent,
                                                      const std::filesystem::path& suggested) {
  const QString chosen =
      QFileDialog::getSaveFileName(parent, QStringLiteral("Speichern unter"), pathText(suggested));
  if (chosen.isEmpty()) return std::nullopt;
  return toUtf8(QDir::toNativeSeparators(chosen));
}

bool QtPlatform::setUpPrinter(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace kelvaro::ui
