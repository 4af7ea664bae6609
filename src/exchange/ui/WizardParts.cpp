#include "exchange/ui/WizardParts.h"

#include <QCheckBox>
#include <QLabel>

namespace exchange_ui {

QLabel* pageCaption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setWordWrap(true);
    return label;
}

QCheckBox* namedCheck(const char* name, const QString& caption, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(true);
    return box;
}

}  // namespace exchange_ui
