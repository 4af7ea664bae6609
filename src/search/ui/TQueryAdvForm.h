#pragma once

#include <QDialog>

#include "search/WhereClause.h"

class CheckComboBox;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTabWidget;
class TDataM;
class UnitTreeWidget;
namespace cadre {
struct PickLists;
}

// "干部信息搜索": the conditions of a cadre search on five tabs (基本信息, 考核/奖惩, 任职详细,
// 培训信息, 当前所在单位). OK builds the where-clause W (search::whereClause); a refused input is
// shown and the dialog stays open. "清空条件" empties every box.
class TQueryAdvForm final : public QDialog {
    Q_OBJECT

  public:
    // The lists of levels, education and degrees come from `lists`; the unit trees and the
    // look-ups of W from `dm`'s database. Ages count to `today` unless a month is given.
    TQueryAdvForm(TDataM& dm, const cadre::PickLists& lists, const QDate& today,
                  QWidget* parent = nullptr);

    // The conditions as the boxes hold them.
    search::SearchConditions conditions() const;
    // W, valid after the dialog was accepted.
    const QString& where() const { return where_; }
    // The units checked on the tab "当前所在单位".
    QList<int> checkedUnits() const;
    void clearConditions();

    static QString foundUnitsMessage(int count);

  private:
    QWidget* makeBasicTab();
    QWidget* makeAssessmentTab();
    QWidget* makePostsTab();
    QWidget* makeTrainingTab();
    QWidget* makeUnitsTab();
    void tryAccept();
    void filterUnits();
    void showSelectedUnits();
    void updateUnitCount();

    TDataM& dm_;
    const cadre::PickLists& lists_;
    QDate today_;
    QString where_;
    QTabWidget* tabs;
    // 基本信息
    QComboBox* cbStatus;
    QComboBox* cbIdentity;
    CheckComboBox* cbCadreType;
    QLineEdit* edtName;
    QLineEdit* edtPostContains;
    QLineEdit* edtPostExcludes;
    QComboBox* cbSex;
    QComboBox* cbNation;
    QComboBox* cbParty;
    QComboBox* cbAgeRelation;
    QLineEdit* edtAgeFrom;
    QLineEdit* edtAgeTo;
    QRadioButton* rbAgeNow;
    QRadioButton* rbAgeAt;
    QLineEdit* edtAgeMonth;
    QComboBox* cbPartyDateRel;
    QLineEdit* edtPartyDate;
    QComboBox* cbWorkDateRel;
    QLineEdit* edtWorkDate;
    QComboBox* cbEduKind;
    QComboBox* cbEduRel;
    QComboBox* cbEducation;
    QComboBox* cbDegreeKind;
    QComboBox* cbDegreeRel;
    QComboBox* cbDegree;
    QLineEdit* edtSchool;
    QLineEdit* edtTitle;
    QLineEdit* edtSpeciality;
    QComboBox* cbRankRel;
    QComboBox* cbRank;
    QComboBox* cbRankDateRel;
    QLineEdit* edtRankDate;
    QComboBox* cbPostDateRel;
    QLineEdit* edtPostDate;
    QLineEdit* edtBirthPlace;
    QLineEdit* edtNativePlace;
    // 考核/奖惩
    QComboBox* cbGrade;
    QRadioButton* rbAllYears;
    QRadioButton* rbYear;
    QLineEdit* edtYear;
    QComboBox* cbYearRel;
    QLineEdit* edtNoteContains;
    QLineEdit* edtNoteExclude1;
    QLineEdit* edtNoteExclude2;
    QLineEdit* edtRewardContains;
    // 任职详细
    QLineEdit* edtAppointedFrom;
    QLineEdit* edtAppointedTo;
    QLineEdit* edtRemovedFrom;
    QLineEdit* edtRemovedTo;
    QLineEdit* edtPostName;
    QComboBox* cbAppointReason;
    QComboBox* cbRemoveReason;
    QCheckBox* chkCurrent;
    QCheckBox* chkFormer;
    UnitTreeWidget* treePostUnits;
    QLineEdit* edtEnteredFrom;
    QLineEdit* edtEnteredTo;
    // 培训信息
    QLineEdit* edtTrainFrom;
    QLineEdit* edtTrainTo;
    QComboBox* cbTrainMethod;
    QComboBox* cbTrainType;
    QLineEdit* edtTrainDays;
    // 当前所在单位
    UnitTreeWidget* treeUnits;
    QLabel* lblUnitCount;
};
