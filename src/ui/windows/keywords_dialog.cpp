#include "ui/windows/keywords_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/keywords.h"
#include "core/text_encoding.h"
#include "ui/help/picture_table_help.h"
#include "ui/help/window_help.h"
#include "ui/platform/keywords_file.h"
#include "ui/platform/platform.h"
#include "ui/widgets/named_controls.h"
#include "ui/widgets/text_view.h"
#include "ui/widgets/window_style.h"

namespace kelvaro::ui {

KeywordsDialog::KeywordsDialog(Platform& platform, KeywordsFile& file, QWidget* parent)
    : QDialog(parent), platform_(platform), file_(file) {
  setObjectName(QStringLiteral("KeywordsDialog"));
  setWindowTitle(QStringLiteral("Stichworte"));
  resize(760, 600);

  const std::string text = file_.text();
  auto* where = new QLabel(QStringLiteral("Datei: ") + toQString(utf8FromPath(file_.path())), this);
  where->setObjectName(QStringLiteral("KeywordsFileName"));
  where->setTextInteractionFlags(Qt::TextSelectableByMouse);
  text_ = new QPlainTextEdit(this);
  text_->setObjectName(QStringLiteral("KeywordsText"));
  text_->setFont(fixedPitchFont(10, false));
  text_->setPlainText(toQString(text));
  problems_ = new QPlainTextEdit(this);
  problems_->setObjectName(QStringLiteral("KeywordsProblems"));
  problems_->setReadOnly(true);
  problems_->setMaximumHeight(90);
  problems_->setPlaceholderText(QStringLiteral("Jede Zeile wird gelesen."));

  save_ = smallButton(this, "KeywordsSave", QStringLiteral("Speichern"));
  save_->setDefault(false);
  save_->setAutoDefault(false);
  auto* cancel = smallButton(this, "KeywordsCancel", QStringLiteral("Abbrechen"));
  cancel->setAutoDefault(false);
  QPushButton* help = addWindowHelp(*this, windowTitle(), keywordsHelp());
  help->setFont(captionFont(9, true));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(help);
  buttons->addStretch();
  buttons->addWidget(save_);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(where);
  layout->addWidget(text_, 1);
  layout->addWidget(
      new QLabel(QStringLiteral("Nicht gelesene Zeilen (sie bleiben erhalten):"), this));
  layout->addWidget(problems_);
  layout->addLayout(buttons);

  connect(text_, &QPlainTextEdit::textChanged, this, &KeywordsDialog::showProblems);
  connect(save_, &QPushButton::clicked, this, &KeywordsDialog::save);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  showProblems();
  if (file_.failure()) platform_.showError(parent, *file_.failure());
}

void KeywordsDialog::showProblems() {
  const Keywords read = Keywords::read(text_->toPlainText().toStdString());
  QStringList lines;
  for (const KeywordProblem& problem : read.problems()) lines << toQString(problem.message);
  problems_->setPlainText(lines.join(QLatin1Char('\n')));
}

// The text is saved as it stands, lines that cannot be read included.
void KeywordsDialog::save() {
  if (const auto failure = file_.save(text_->toPlainText().toStdString())) {
    platform_.showError(this, *failure);
    return;
  }
  emit saved();
  accept();
}

}  // namespace kelvaro::ui
