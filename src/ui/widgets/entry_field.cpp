#include "ui/widgets/entry_field.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "core/text_encoding.h"
#include "ui/widgets/text_view.h"

namespace kelvaro::ui {

void focusField(QLineEdit& field) {
  field.setFocus(Qt::OtherFocusReason);
  field.selectAll();
}

std::size_t characterCount(const QLineEdit& field) { return utf8Length(toUtf8(field.text())); }

QLineEdit* entryField(QWidget* parent, const char* name, const QString& placeholder) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setPlaceholderText(placeholder);
  return field;
}

void addFieldRow(QGridLayout& grid, int row, int column, const QString& caption, QWidget* field,
                 int span) {
  auto* label = new QLabel(caption);
  label->setBuddy(field);
  grid.addWidget(label, row, column);
  grid.addWidget(field, row, column + 1, 1, span);
}

}  // namespace kelvaro::ui
