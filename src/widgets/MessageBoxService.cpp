#include "widgets/MessageBoxService.h"

#include <QApplication>
#include <QMessageBox>

namespace widgets {

void MessageBoxService::information(const QString& text, const QString& title) {
    QMessageBox::information(QApplication::activeWindow(), title, text);
}

void MessageBoxService::error(const QString& text, const QString& title) {
    QMessageBox::critical(QApplication::activeWindow(), title, text);
}

bool MessageBoxService::confirm(const QString& text, const QString& title) {
    return QMessageBox::question(QApplication::activeWindow(), title, text,
                                 QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

}  // namespace widgets
