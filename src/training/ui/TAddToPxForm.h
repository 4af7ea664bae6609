#pragma once

#include <QDialog>

#include "training/TrainingRecords.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class TDataM;

// "添加培训记录": adds a training record for one cadre, either by joining a class ("按培训班管理",
// picking one in "选择培训班：" or making one with "新 建") or as a standalone record of the
// cadre ("单独的培训记录（无培训班）", the group " 培训信息 "). Also edits a standalone record.
class TAddToPxForm final : public QDialog {
    Q_OBJECT

  public:
    TAddToPxForm(TDataM& dm, int cadreId, QWidget* parent = nullptr);

    // Opens on standalone record `record` for editing (the class mode is then not offered);
    // `readOnly` shows it without "确 定".
    void edit(const training::TrainingRecord& record, bool readOnly);
    // Whether "确 定" stored something.
    bool saved() const { return saved_; }

  private:
    void fillClasses(int selectId);
    void newClass();
    void modeChanged();
    void save();
    bool saveStandalone();

    TDataM& dm_;
    int cadreId_;
    training::TrainingRecord record_;
    bool saved_ = false;
    QRadioButton* rbClass;
    QRadioButton* rbStandalone;
    QComboBox* cbClass;
    QGroupBox* grpInfo;
    QLineEdit* edtName;
    QLineEdit* edtStart;
    QLineEdit* edtEnd;
    QLineEdit* edtDays;
    QComboBox* cbBody;
    QComboBox* cbLevel;
    QComboBox* cbCategory;
    QComboBox* cbForm;
    QPushButton* btnOk;
};
