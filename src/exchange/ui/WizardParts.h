#pragma once

#include <QString>

class QCheckBox;
class QLabel;
class QWidget;

// Pieces of the report-up and receiving wizards.
namespace exchange_ui {

// The bold caption at the top of a wizard page.
QLabel* pageCaption(const QString& text, QWidget* parent);

// A ticked check box named `name`.
QCheckBox* namedCheck(const char* name, const QString& caption, QWidget* parent);

}  // namespace exchange_ui
