#pragma once

#include <QList>
#include <QString>

class QDialog;
class QLabel;
class QPushButton;
class QSpinBox;
class QWidget;

// Small pieces shared by the wall and room dialogs.
namespace dialog_parts {

// A whole-number field named `name` within [minimum, maximum].
QSpinBox* numberField(QWidget* parent, const char* name, int minimum, int maximum, int step = 1);
// A bold heading line.
QLabel* heading(QWidget* parent, const QString& text);
// "确定" (the default button, so Enter in any field confirms) and "取消" under the
// dialog's layout; returns "确定".
QPushButton* addButtons(QDialog& dialog);
// Keeps `ok` disabled while one of `fields` holds a number outside its range (a typed 0
// in a field from 5), and Enter in such a field does nothing: left alone, the field would
// put back its last value and the dialog confirm that instead of what was typed.
void refuseOutOfRange(QPushButton& ok, const QList<QSpinBox*>& fields);

} // namespace dialog_parts
