#pragma once

#include <QDialog>

class QPlainTextEdit;

// "名单": a list of names pasted by the user for the search. "格式整理" puts one name on each line
// (cadre::tidyNameList); "确定" closes the dialog with the names as an SQL in-list
// (cadre::nameInList).
class TMdForm final : public QDialog {
    Q_OBJECT

  public:
    explicit TMdForm(QWidget* parent = nullptr);

    // The in-list made on "确定"; empty before.
    QString inList() const { return inList_; }
    // The names as typed or tidied, for the picker to split (cadre::namesOfList).
    QString names() const;

  private:
    QPlainTextEdit* memNames;
    QString inList_;
};
