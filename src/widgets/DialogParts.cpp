#include "widgets/DialogParts.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace widgets {

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
