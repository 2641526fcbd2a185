#include "ui/widgets/entry_field.h"

#include <QLineEdit>

#include "core/text_encoding.h"
#include "ui/widgets/text_view.h"

namespace kelvaro::ui {

void focusField(QLineEdit& field) {
  field.setFocus(Qt::OtherFocusReason);
  field.selectAll();
}

std::size_t characterCount(const QLineEdit& field) { return utf8Length(toUtf8(field.text())); }

}  // namespace kelvaro::ui
