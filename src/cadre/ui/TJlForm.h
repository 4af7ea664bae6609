#pragma once

#include <QDialog>

class QPlainTextEdit;

// "简历对比": the stored resume and a new one side by side, "原值（基本信息库）" read-only and
// "新值（任免表中）" editable; the new text, as left when the window closes, is what a caller
// carries back.
class TJlForm final : public QDialog {
    Q_OBJECT

  public:
    TJlForm(const QString& storedResume, const QString& newResume, QWidget* parent = nullptr);

    QString newResume() const;

  private:
    QPlainTextEdit* memoOld;
    QPlainTextEdit* memoNew;
};
