#include "ui/dial_window.h"

#include <QBuffer>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

#include "output/picture_save.h"
#include "output/print.h"
#include "search/angle_search.h"
#include "search/dial_pointer.h"
#include "ui/dial_disc.h"
#include "ui/platform.h"
#include "ui/save_question.h"
#include "ui/text_view.h"
#include "ui/window_style.h"

namespace kelvaro::ui {
namespace {

constexpr std::array<const char*, 4> kRingCaptions = {"r  Radix", "p  Progression", "s  Solarbogen",
                                                      "t  Transit"};
constexpr std::array<const char*, 4> kRingNames = {"DialRingR", "DialRingP", "DialRingS",
                                                   "DialRingT"};

QPushButton* smallButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setFont(captionFont(9, true));
  return button;
}

}  // namespace

DialWindow::DialWindow(Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window), platform_(platform) {
  setObjectName(QStringLiteral("DialWindow"));
  setWindowTitle(QStringLiteral("Gradscheibe 22,5°"));
  fillBackground(*this, colour::navy);
  setTextColour(*this, colour::yellow);
  setFont(captionFont(9, true));
  setMinimumSize(880, 560);
  resize(1100, 720);

  disc_ = new DialDisc(this);
  pointerLabel_ = new QLabel(this);
  pointerLabel_->setObjectName(QStringLiteral("DialPointer"));
  pointerLabel_->setFont(captionFont(12, true));
  heading_ = new QLabel(this);
  heading_->setObjectName(QStringLiteral("DialHeading"));

  auto* ringRow = new QHBoxLayout;
  for (std::size_t ring = 0; ring < rings_.size(); ++ring) {
    rings_[ring] = new QCheckBox(QString::fromUtf8(kRingCaptions[ring]), this);
    rings_[ring]->setObjectName(QString::fromLatin1(kRingNames[ring]));
    rings_[ring]->setChecked(true);
    setTextColour(*rings_[ring], colour::yellow);
    connect(rings_[ring], &QCheckBox::toggled, this,
            [this, ring](bool shown) { disc_->setRingShown(kVariants[ring], shown); });
    ringRow->addWidget(rings_[ring]);
  }
  ringRow->addStretch();

  list_ = new QPlainTextEdit(this);
  list_->setObjectName(QStringLiteral("DialList"));
  list_->setReadOnly(true);
  list_->setFont(fixedPitchFont(9, true));
  list_->setLineWrapMode(QPlainTextEdit::WidgetWidth);  // the 14 entries of a line wrap at blanks
  setBaseColour(*list_, colour::cream);
  list_->viewport()->installEventFilter(this);
  list_->setToolTip(
      QStringLiteral("Doppelklick auf eine Zeile: ihre Faktoren auf der Scheibe zeigen"));

  print_ = smallButton(this, "DialPrint", QStringLiteral("Drucken"));
  save_ = smallButton(this, "DialSave", QStringLiteral("Bild speichern"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(print_);
  buttons->addWidget(save_);

  auto* side = new QVBoxLayout;
  side->addWidget(pointerLabel_);
  side->addLayout(ringRow);
  side->addWidget(heading_);
  side->addWidget(list_, 1);
  side->addLayout(buttons);
  auto* columns = new QHBoxLayout(this);
  columns->addWidget(disc_, 3);
  columns->addLayout(side, 2);

  connect(disc_, &DialDisc::pointerMoved, this, &DialWindow::showPointerList);
  connect(print_, &QPushButton::clicked, this, &DialWindow::print);
  connect(save_, &QPushButton::clicked, this, &DialWindow::savePicture);
}

void DialWindow::showDial(const TransitRecord& record, double orb,
                          const std::filesystem::path& saveFolder) {
  record_ = record;
  orb_ = orb;
  saveFolder_ = saveFolder;
  disc_->showRecord(record, orb);
  showPointerList();
  show();
  raise();
  activateWindow();
  disc_->setFocus(Qt::OtherFocusReason);
}

void DialWindow::setOrb(double orb) {
  orb_ = orb;
  disc_->setOrb(orb);
  showPointerList();
}

void DialWindow::showPointerList() {
  pointerLabel_->setText(toQString(pointerText(disc_->pointer())));
  if (!record_) return;
  const SearchResult result =
      angleSearch(*record_, orb_, pointerAngle(disc_->pointer()), std::nullopt);
  heading_->setText(toQString(result.heading));
  setLines(*list_, result.lines);
}

// A double-click on a line of the list marks its factors on the disc.
bool DialWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    const auto* click = static_cast<QMouseEvent*>(event);
    markLine(list_->cursorForPosition(click->position().toPoint()).blockNumber());
  }
  return QWidget::eventFilter(watched, event);
}

void DialWindow::markLine(int block) {
  const QTextBlock line = list_->document()->findBlockByNumber(block);
  disc_->setMarked(factorsOfLine(toUtf8(line.text())));
}

void DialWindow::print() {
  if (!record_) return;
  QPrinter printer;
  if (!platform_.setUpPrinter(this, printer)) return;
  const QImage picture = disc_->grab().toImage();
  if (const auto failure =
          printPictureWithLines(printer, *record_, picture, ResultText(linesOf(*list_)))) {
    platform_.showError(this, *failure);
  }
}

void DialWindow::savePicture() {
  if (!record_) return;
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  disc_->grab().save(&buffer, "PNG");
  const std::string_view bytes(png.constData(), static_cast<std::size_t>(png.size()));
  const ExistingFile existing =
      askAboutExistingFile(platform_, this, saveFolder_, dialPictureFileName(*record_));
  const Checked<SavedFile> saved = saveDialPicture(saveFolder_, *record_, bytes, existing);
  if (const Rejection* failure = rejection(saved)) {
    platform_.showError(this, failure->message);
  } else {
    platform_.showInformation(this, std::get<SavedFile>(saved).information);
  }
}

}  // namespace kelvaro::ui
