#pragma once

#include <QDialog>
#include <QList>

#include "cadre/CadrePicker.h"

class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTableWidget;
class TDataM;
class UnitPickerEdit;

// "选择干部": cadres are found in the left list "初选结果" (by name or pinyin initials, by the
// search's conditions, as the members of a unit, by a typed name list, or as the cadres in no
// unit, or as the cadres of ticked rosters) and moved with ">" into the final list "最终结果" on
// the right, which is kept in tb_querytemp. The final list starts empty; after "确 定" the caller
// reads it.
class TQueryForm1 final : public QDialog {
    Q_OBJECT

  public:
    // The picker lists cadres of library `classId` (0: serving cadres).
    TQueryForm1(TDataM& dm, int classId, QWidget* parent = nullptr);

    // The final list, in the order the cadres were added.
    QList<int> pickedCadreIds() const;

    static QString addAllQuestion(int count);

  private:
    void searchByInfo(const QString& text);
    void searchByUnit(int unitId);
    void searchByConditions();
    void searchByNameList();
    // The cadres of the rosters ticked in TSleMMcForm.
    void searchByRosters();
    void showCadresWithoutUnit();
    void showCandidates(const QString& statement);
    void moveRight();
    void showPicked();

    TDataM& dm_;
    int classId_;
    QList<cadre::PickedCadre> candidates_;
    QList<cadre::PickedCadre> picked_;
    QRadioButton* rbByInfo;
    QRadioButton* rbByUnit;
    QRadioButton* rbByRoster;
    QRadioButton* rbByNames;
    QRadioButton* rbNoUnit;
    QStackedWidget* modePages;
    QLineEdit* edtText;
    QPushButton* btnShowAll;
    QPushButton* btnAdvanced;
    UnitPickerEdit* unitBox_;
    QTableWidget* gridCandidates;
    QTableWidget* gridPicked;
    QPushButton* btnRight;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};
