#include "ui/platform/qt_platform.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "core/held_files.h"
#include "core/text_encoding.h"
#include "ui/platform/file_dialog.h"
#include "ui/widgets/text_view.h"

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

// The extension a filter such as "PNG-Bild (*.png)" names first: "png";
// none for "Alle Dateien (*)".
QString filterSuffix(const QString& filter) {
  const qsizetype dot = filter.indexOf(QLatin1String("*."));
  if (dot < 0) return {};
  qsizetype end = dot + 2;
  while (end < filter.size() && filter[end] != QLatin1Char(' ') && filter[end] != QLatin1Char(')'))
    ++end;
  return filter.mid(dot + 2, end - dot - 2);
}

QStringList nameFilters(const std::vector<std::string>& filters) {
  QStringList types;
  for (const std::string& filter : filters) types << toQString(filter);
  return types;
}

// The chosen file's full path; nothing after a cancel, and nothing (with a
// message) for a file of the open persons archive, which only SQLite may
// open (see held_files.h).
std::optional<std::string> chosenFile(Platform& platform, QFileDialog& dialog) {
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const std::string chosen = toUtf8(QDir::toNativeSeparators(dialog.selectedFiles().front()));
  if (isHeldFile(pathFromUtf8(chosen))) {
    platform.showError(dialog.parentWidget(),
                       "Die Datei " + chosen +
                           " gehört zum Personenarchiv, das gerade geöffnet ist. Sie lässt sich "
                           "hier weder öffnen noch ersetzen.");
    return std::nullopt;
  }
  return chosen;
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
                                                  const std::filesystem::path& initialFolder,
                                                  const std::vector<std::string>& filters) {
  QFileDialog dialog(parent, QStringLiteral("Öffnen"), pathText(initialFolder));
  setUpFileDialog(dialog);
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (!filters.empty()) dialog.setNameFilters(nameFilters(filters));
  return chosenFile(*this, dialog);
}

// A name typed without an extension gets that of the chosen file type.
std::optional<std::string> QtPlatform::chooseSaveFile(QWidget* parent, const std::string& title,
                                                      const std::filesystem::path& folder,
                                                      const std::string& proposedName,
                                                      const std::vector<std::string>& filters) {
  QFileDialog dialog(parent, toQString(title), pathText(folder));
  setUpFileDialog(dialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  const QStringList types = nameFilters(filters);
  dialog.setNameFilters(types);
  if (!types.isEmpty()) dialog.setDefaultSuffix(filterSuffix(types.front()));
  QObject::connect(
      &dialog, &QFileDialog::filterSelected, &dialog,
      [&dialog](const QString& filter) { dialog.setDefaultSuffix(filterSuffix(filter)); });
  dialog.selectFile(toQString(proposedName));
  return chosenFile(*this, dialog);
}

bool QtPlatform::setUpPrinter(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

bool QtPlatform::hasPrinter() { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

}  // namespace kelvaro::ui
