#include "widgets/MonthEntryBox.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include "text/MonthText.h"

namespace widgets {

void limitToMonthEntry(QLineEdit* box) {
    box->setValidator(
        new QRegularExpressionValidator(QRegularExpression(text::kMonthEntryPattern), box));
}

}  // namespace widgets
