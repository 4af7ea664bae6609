#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TDataM;

// "单位撤销(删除)": confirms the removal of a unit with its whole subtree and chooses how. A
// dissolved unit's posts stay in the cadres' history as former posts ending in the given month;
// a deleted unit's posts go with it. The dialog closes with OK only when the removal is done.
class TNodeDelForm final : public QDialog {
    Q_OBJECT

  public:
    TNodeDelForm(TDataM& dm, int unitId, const QString& caption, QWidget* parent = nullptr);

  private:
    void cxButton1Click();

    TDataM& dm_;
    int unitId_;
    QLabel* Label1;
    QRadioButton* rbDissolve;
    QLineEdit* cxTextEdit1;
    QRadioButton* rbDelete;
    QPushButton* cxButton1;
    QPushButton* cxButton2;
};
