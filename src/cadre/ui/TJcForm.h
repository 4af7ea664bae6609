#pragma once

#include <QDialog>
#include <QStringList>

#include "cadre/CodeSets.h"
#include "cadre/Rewards.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;
class TDataM;

// "奖惩信息": one reward or punishment of a cadre. The fields follow the record's kind: the
// category list of rewards or of punishments, and the honour level for rewards only. Choosing a
// category fills the name picker from its code sets; "常见原因" opens the code picker (TDmForm)
// on the reasons of the kind. "保 存" saves (cadre::saveReward); a refusal keeps the dialog open.
class TJcForm final : public QDialog {
    Q_OBJECT

  public:
    TJcForm(TDataM& dm, const QList<cadre::CodeItem>& honourLevels, QWidget* parent = nullptr);

    // Shows `record` under the heading of cadre `cadreName`; `readOnly` disables "保 存".
    void showRecord(const cadre::RewardRecord& record, const QString& cadreName, bool readOnly);
    int savedId() const { return savedId_; }

  private:
    void categoryChosen();
    void reasonClicked();
    void saveClicked();

    TDataM& dm_;
    cadre::RewardRecord record_;
    int savedId_ = 0;
    QLabel* lblTitle;
    QComboBox* cbJclb;
    QComboBox* cbJcmc;
    QLineEdit* edtJcjg;
    QLineEdit* edtJcsj;
    QLineEdit* edtJcyy;
    QPushButton* btnReason;
    QLabel* lblLevel;
    QComboBox* cbA14Z207;
    QPlainTextEdit* memJcsm;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};
