#pragma once

#include <QDialog>

class QPlainTextEdit;

// "输入名单": a list of names typed or pasted, one a line (commas, semicolons and "、" separate
// too), for the picker's name-list search.
class TMdForm final : public QDialog {
    Q_OBJECT

  public:
    explicit TMdForm(QWidget* parent = nullptr);

    QString names() const;

  private:
    QPlainTextEdit* memNames;
};
