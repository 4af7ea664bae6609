#include "widgets/DialogParts.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

namespace widgets {

void showStoredNumber(QSpinBox* box, int least, int most, int value) {
    box->setRange(std::min(least, value), std::max(most, value));
    box->setValue(value);
}

QPushButton* namedButton(const char* objectName, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAutoDefault(false);
    return button;
}

QHBoxLayout* rightAlignedRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons) {
        row->addWidget(button);
    }
    return row;
}

}  // namespace widgets
