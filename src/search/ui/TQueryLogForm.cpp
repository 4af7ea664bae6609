#include "search/ui/TQueryLogForm.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

TQueryLogForm::TQueryLogForm(QWidget* parent) : QDialog(parent), memLog(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("TQueryLogForm"));
    setWindowTitle(QStringLiteral("干部查询操作日志"));
    memLog->setObjectName(QStringLiteral("memLog"));
    memLog->setReadOnly(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(memLog);
    resize(520, 360);
}

void TQueryLogForm::addLine(const QString& line) {
    memLog->appendPlainText(line);
}

QString TQueryLogForm::text() const {
    return memLog->toPlainText();
}
