#pragma once

#include <QDialog>

class QPlainTextEdit;

// "干部查询操作日志": the plain-text log of the changes to the search result, kept for the life of
// the main window; shown without blocking the window.
class TQueryLogForm final : public QDialog {
    Q_OBJECT

  public:
    explicit TQueryLogForm(QWidget* parent = nullptr);

    void addLine(const QString& line);
    QString text() const;

  private:
    QPlainTextEdit* memLog;
};
