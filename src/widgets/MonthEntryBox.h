#pragma once

class QLineEdit;

namespace widgets {

// Lets `box` take only what may become a month text of the entry pattern (text/MonthText.h):
// digits, one point and a month of 1 to 12. Whether the text is complete, and a month of 1900 or
// later, is checked on saving with text::readMonthEntry.
void limitToMonthEntry(QLineEdit* box);

}  // namespace widgets
