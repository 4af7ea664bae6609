#pragma once

#include <QDialog>

#include "rosters/Rosters.h"

class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class TDataM;

// "名册设置": the header of a new roster, or of the roster being edited. On "确 定" the header
// is written (a new roster is made, an existing one renamed or moved to another year) and the
// dialog closes with OK; a refusal or failure is shown and the dialog stays. The kind of an
// existing roster is shown but fixed: its lines live in the kind's table.
class THmcForm final : public QDialog {
    Q_OBJECT

  public:
    // A new roster when `roster` is null (named by no one yet, this year, dynamic).
    THmcForm(TDataM& dm, const rosters::Roster* roster, QWidget* parent = nullptr);

    bool isNew() const { return id_ == 0; }
    // The roster written (0 before OK).
    int rosterId() const { return id_; }

  private:
    void save();

    TDataM& dm_;
    int id_ = 0;
    QLineEdit* cxTextEdit1;
    QSpinBox* cxSpinEdit1;
    QRadioButton* rbDynamic;
    QRadioButton* rbStatic;
    QLabel* lblModified;
};
