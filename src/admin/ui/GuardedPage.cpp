#include "admin/ui/GuardedPage.h"

#include <QLabel>

#include "admin/Rights.h"

GuardedPage::GuardedPage(QWidget* content, QWidget* parent)
    : QStackedWidget(parent), content_(content), refusal_(new QLabel(admin::kNoRight)) {
    setObjectName(content->objectName() + QStringLiteral("Guard"));
    refusal_->setObjectName(QStringLiteral("lblRefused"));
    refusal_->setAlignment(Qt::AlignCenter);
    addWidget(content_);
    addWidget(refusal_);
}

void GuardedPage::setReadable(bool on) {
    setCurrentWidget(on ? content_ : static_cast<QWidget*>(refusal_));
}
