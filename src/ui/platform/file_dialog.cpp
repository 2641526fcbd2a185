#include "ui/platform/file_dialog.h"

#include <QFileDialog>
#include <QFileIconProvider>
#include <QMimeDatabase>

namespace kelvaro::ui {
namespace {

// Icons and types by the name and the kind of entry (stat), never by content.
class IconsByName final : public QFileIconProvider {
 public:
  using QFileIconProvider::icon;

  QIcon icon(const QFileInfo& info) const override {
    return QFileIconProvider::icon(info.isDir() ? Folder : File);
  }

  QString type(const QFileInfo& info) const override {
    if (info.isDir()) return QStringLiteral("Ordner");
    const QMimeType byName =
        QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    return byName.isDefault() || byName.comment().isEmpty() ? QStringLiteral("Datei")
                                                            : byName.comment();
  }
};

}  // namespace

void setUpFileDialog(QFileDialog& dialog) {
  static IconsByName icons;
#ifndef Q_OS_WIN
  // A desktop's own dialog (GTK's in this process) reads the files to type them.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
#endif
  dialog.setOption(QFileDialog::DontUseCustomDirectoryIcons);
  dialog.setIconProvider(&icons);
}

}  // namespace kelvaro::ui
