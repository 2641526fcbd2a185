#include "ui/widgets/dial_size_box.h"

#include <algorithm>

#include <QSignalBlocker>

#include "ui/platform/dial_size_choice.h"

namespace kelvaro::ui {
namespace {

int indexOf(DialSize dial) {
  return static_cast<int>(std::find(kDialSizes.begin(), kDialSizes.end(), dial) -
                          kDialSizes.begin());
}

}  // namespace

DialSizeBox::DialSizeBox(const QString& window, QWidget* parent)
    : QComboBox(parent), window_(window) {
  setObjectName(QStringLiteral("DialSizeBox"));
  setAccessibleName(QStringLiteral("Scheibe"));
  for (const DialSize size : kDialSizes) addItem(QString::fromStdString(size.sizeText()));
  setCurrentIndex(indexOf(rememberedDialSize(window_)));
  connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index < 0) return;
    const DialSize chosen = kDialSizes[static_cast<std::size_t>(index)];
    rememberDialSize(window_, chosen);
    emit dialSizeChosen(chosen);
  });
}

DialSize DialSizeBox::dialSize() const {
  const int index = std::max(0, currentIndex());
  return kDialSizes[static_cast<std::size_t>(index)];
}

void DialSizeBox::setDialSize(DialSize dial) { setCurrentIndex(indexOf(dial)); }

void DialSizeBox::useChoiceOf(const QString& window) {
  window_ = window;
  const QSignalBlocker quiet(this);  // showing the kept choice chooses nothing
  setCurrentIndex(indexOf(rememberedDialSize(window_)));
}

}  // namespace kelvaro::ui
