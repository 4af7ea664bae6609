#include "widgets/TMesBarForm.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

TMesBarForm::TMesBarForm(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint),
      label_(new QLabel(this)),
      bar_(new QProgressBar(this)) {
    setObjectName(QStringLiteral("TMesBarForm"));
    label_->setObjectName(QStringLiteral("Label1"));
    bar_->setObjectName(QStringLiteral("ProgressBar1"));
    label_->setAlignment(Qt::AlignCenter);
    bar_->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(bar_);
    setFixedSize(360, 90);
}

void TMesBarForm::start(const QString& text, int maximum) {
    ++depth_;
    label_->setText(text);
    bar_->setVisible(maximum > 0);
    bar_->setRange(0, std::max(maximum, 0));
    bar_->setValue(0);
    show();
    raise();
    repaintNow();
}

void TMesBarForm::setText(const QString& text) {
    label_->setText(text);
    repaintNow();
}

void TMesBarForm::step() {
    if (bar_->value() < bar_->maximum()) {
        bar_->setValue(bar_->value() + 1);
    }
    repaintNow();
}

void TMesBarForm::finish() {
    // Operations may nest; the window goes when the outermost one ends.
    if (depth_ > 0 && --depth_ == 0) {
        hide();
    }
}

QString TMesBarForm::text() const {
    return label_->text();
}

int TMesBarForm::position() const {
    return bar_->value();
}

int TMesBarForm::maximum() const {
    return bar_->maximum();
}

void TMesBarForm::repaintNow() {
    // Work runs on this thread: let the window paint, but keep the user's input for later.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
