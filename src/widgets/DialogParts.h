#pragma once

#include <QString>
#include <initializer_list>

class QHBoxLayout;
class QPushButton;
class QSpinBox;

// Small pieces that the dialogs share.
namespace widgets {

// A push button named `objectName` that is never pressed by Enter unless made default.
QPushButton* namedButton(const char* objectName, const QString& caption);

// Shows the stored `value` in `box`, whose entry range is `least` to `most`: a value outside it
// widens the range to it, so that the box shows it as stored and OK keeps it unless changed.
void showStoredNumber(QSpinBox* box, int least, int most, int value);

// A row holding `buttons` at its right end, in the given order.
QHBoxLayout* rightAlignedRow(std::initializer_list<QPushButton*> buttons);

}  // namespace widgets
