#include "widgets/MessageBoxService.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace widgets {

namespace {

bool isLong(const QString& text) {
    return text.count(u'\n') >= MessageBoxService::kMaxBoxLines;
}

// The first line beside the icon, the other lines in a read-only scrollable list; the window
// takes at most two thirds of the screen whatever the length of the text.
void showLongText(QStyle::StandardPixmap icon, const QString& title, const QString& text) {
    QDialog dialog(QApplication::activeWindow());
    dialog.setObjectName(QStringLiteral("LongMessage"));
    dialog.setWindowTitle(title);
    const qsizetype firstBreak = text.indexOf(u'\n');
    auto* iconLabel = new QLabel(&dialog);
    iconLabel->setPixmap(dialog.style()->standardIcon(icon).pixmap(32, 32));
    auto* heading = new QLabel(text.left(firstBreak), &dialog);
    heading->setObjectName(QStringLiteral("heading"));
    auto* list = new QPlainTextEdit(text.mid(firstBreak + 1), &dialog);
    list->setObjectName(QStringLiteral("lines"));
    list->setReadOnly(true);
    list->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(iconLabel);
    top->addWidget(heading, 1);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(top);
    layout->addWidget(list, 1);
    layout->addWidget(buttons);
    const QScreen* screen =
        dialog.screen() != nullptr ? dialog.screen() : QGuiApplication::primaryScreen();
    const QSize room = screen->availableGeometry().size() * 2 / 3;
    dialog.resize(std::min(room.width(), 640), std::min(room.height(), 480));
    dialog.setMaximumSize(screen->availableGeometry().size());
    dialog.exec();
}

}  // namespace

void MessageBoxService::information(const QString& text, const QString& title) {
    if (isLong(text)) {
        showLongText(QStyle::SP_MessageBoxInformation, title, text);
        return;
    }
    QMessageBox::information(QApplication::activeWindow(), title, text);
}

void MessageBoxService::error(const QString& text, const QString& title) {
    if (isLong(text)) {
        showLongText(QStyle::SP_MessageBoxCritical, title, text);
        return;
    }
    QMessageBox::critical(QApplication::activeWindow(), title, text);
}

bool MessageBoxService::confirm(const QString& text, const QString& title) {
    return QMessageBox::question(QApplication::activeWindow(), title, text,
                                 QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

}  // namespace widgets
