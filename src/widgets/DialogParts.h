#pragma once

#include <QString>
#include <initializer_list>

class QHBoxLayout;
class QPushButton;

// Small pieces that the dialogs share.
namespace widgets {

// A push button named `objectName` that is never pressed by Enter unless made default.
QPushButton* namedButton(const char* objectName, const QString& caption);

// A row holding `buttons` at its right end, in the given order.
QHBoxLayout* rightAlignedRow(std::initializer_list<QPushButton*> buttons);

}  // namespace widgets
