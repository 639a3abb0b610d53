#pragma once

#include <QString>

class QDialog;
class QLabel;
class QSpinBox;
class QWidget;

// Small pieces shared by the wall and room dialogs.
namespace dialog_parts {

// A whole-number field named `name` within [minimum, maximum].
QSpinBox* numberField(QWidget* parent, const char* name, int minimum, int maximum, int step = 1);
// A bold heading line.
QLabel* heading(QWidget* parent, const QString& text);
// "确定" (the default button, so Enter in any field confirms) and "取消" under the
// dialog's layout.
void addButtons(QDialog& dialog);

} // namespace dialog_parts
