#include "ui/help/window_help.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "ui/help/help_text.h"
#include "ui/widgets/text_view.h"
#include "ui/widgets/window_style.h"

namespace kelvaro::ui {

HelpWindow::HelpWindow(const QString& title, const std::vector<std::string>& paragraphs,
                       QWidget* owner)
    : QWidget(owner, Qt::Window) {
  setWindowTitle(QStringLiteral("Hilfe – ") + title);
  fillBackground(*this, colour::navy);
  resize(560, 600);

  page_ = new QPlainTextEdit(this);
  page_->setObjectName(QStringLiteral("HelpPage"));
  page_->setReadOnly(true);
  page_->setFont(captionFont(10, true, true));
  setBaseColour(*page_, colour::cream);
  page_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setLines(*page_, paragraphs);

  closeButton_ = new QPushButton(QStringLiteral("gelesen"), this);
  closeButton_->setObjectName(QStringLiteral("HelpClose"));
  connect(closeButton_, &QPushButton::clicked, this, &QWidget::hide);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 12);
  layout->addWidget(page_, 1);
  layout->addWidget(closeButton_, 0, Qt::AlignHCenter);
}

std::unique_ptr<HelpWindow> HelpWindow::variantPanelHelp() {
  auto help = std::make_unique<HelpWindow>(QString(), helpLines(), nullptr);
  help->setObjectName(QStringLiteral("PanelHelp"));
  help->setWindowTitle(QStringLiteral("Hilfe"));
  help->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  help->setFixedSize(526, 548);
  help->move(40, 80);
  help->page_->setObjectName(QStringLiteral("Memo1"));
  help->closeButton_->setObjectName(QStringLiteral("Button1"));
  help->closeButton_->setFixedSize(100, 32);
  return help;
}

void HelpWindow::showHelp() {
  show();
  raise();
  activateWindow();
}

QString HelpWindow::text() const { return page_->toPlainText(); }

void HelpWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    closeButton_->click();
    return;
  }
  QWidget::keyPressEvent(event);
}

HelpWindow* addHelpKey(QWidget& window, const QString& title,
                       const std::vector<std::string>& paragraphs) {
  auto* help = new HelpWindow(title, paragraphs, &window);
  help->setObjectName(window.objectName() + QStringLiteral("Help"));
  auto* key = new QShortcut(QKeySequence(Qt::Key_F1), &window);
  key->setContext(Qt::WindowShortcut);
  QObject::connect(key, &QShortcut::activated, help, &HelpWindow::showHelp);
  return help;
}

QPushButton* addWindowHelp(QWidget& window, const QString& title,
                           const std::vector<std::string>& paragraphs) {
  HelpWindow* help = addHelpKey(window, title, paragraphs);

  auto* button = new QPushButton(QStringLiteral("Hilfe"), &window);
  button->setObjectName(QStringLiteral("HelpButton"));
  button->setToolTip(QStringLiteral("Hilfe zu diesem Fenster (F1)"));
  // Enter in a field of a dialog acts on its default button; the help opens
  // only by F1 or a click, never as a dialog's default.
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, help, &HelpWindow::showHelp);
  return button;
}

HelpWindow* windowHelp(const QWidget& window) {
  return window.findChild<HelpWindow*>(window.objectName() + QStringLiteral("Help"),
                                       Qt::FindDirectChildrenOnly);
}

}  // namespace kelvaro::ui
