#pragma once

#include <QComboBox>
#include <QString>

#include "core/dial_size.h"

// The choice of the dial size ("Scheibe"): 360°, 90°, 45°, 22,5° and 11,25°.
// It starts at the size last chosen in its window and remembers each new
// choice for the next run.
namespace kelvaro::ui {

class DialSizeBox : public QComboBox {
  Q_OBJECT

 public:
  // `window` names the window whose choice is kept ("dial", "calendar").
  DialSizeBox(const QString& window, QWidget* parent = nullptr);

  DialSize dialSize() const;
  void setDialSize(DialSize dial);
  // From now on the choice of another window (one window that serves two
  // purposes); shows the size last chosen there.
  void useChoiceOf(const QString& window);

 signals:
  void dialSizeChosen(DialSize dial);

 private:
  QString window_;
};

}  // namespace kelvaro::ui
