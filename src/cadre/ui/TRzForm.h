#pragma once

#include <QDialog>

#include "cadre/Posts.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class TDataM;
class UnitPickerEdit;

// "新增任职": one post of a cadre, new or edited. The unit is picked from the unit tree, or typed
// as text for a unit that is not in the tree ("直接输入历史任职单位"). "确 定" saves the post
// and refreshes the cadre's current-post texts (cadre::savePost); a refusal is shown and the
// caret goes to the box at fault. With "连续添加" ticked the dialog stays open after each save
// and starts the next new post in the same unit; otherwise it closes with OK.
class TRzForm final : public QDialog {
    Q_OBJECT

  public:
    TRzForm(TDataM& dm, int cadreId, QWidget* parent = nullptr);

    // A new post, current or former; `fixedUnitId` fixes the unit (0: the user picks it);
    // `offerContinuous` shows "连续添加".
    void startNew(bool current, int fixedUnitId, bool offerContinuous);
    // Post `zwId` of the cadre; false, with the reason shown, when it cannot be read.
    bool startEdit(int zwId);

    // True once a post was saved in this dialog.
    bool changed() const { return changed_; }
    // The post saved last (its ZwID), else 0.
    int savedPostId() const { return savedId_; }
    // How the refresh after a save reaches the cadre record (the editor's open record); without
    // one the stored record is written.
    void setRecordWriter(cadre::CadreRecordWriter writer) { writeRecord_ = std::move(writer); }

  private:
    void clearPost();
    void fillPostNames();
    void setHistoricalUnit(bool on);
    cadre::PostInput input() const;
    void btnOKClick();
    void focusFieldOf(const QString& message);

    TDataM& dm_;
    int cadreId_;
    int zwId_ = 0;
    int savedId_ = 0;
    cadre::CadreRecordWriter writeRecord_;
    bool changed_ = false;

    QLabel* lblNote1;
    QLabel* lblNote2;
    QLineEdit* edtCadreName;
    QStackedWidget* stkUnit;
    UnitPickerEdit* unitPicker;
    QLineEdit* edtUnit;  // the picker's box
    QLineEdit* edtHistoricalUnit;
    QCheckBox* chkHistoricalUnit;
    QComboBox* cbPostName;
    QLabel* lblPostNameHint;
    QLineEdit* edtAppointed;
    QLineEdit* edtRemoved;
    QRadioButton* rbCurrent;
    QRadioButton* rbFormer;
    QGroupBox* grpAppointment;
    QLineEdit* edtRzwh;
    QLineEdit* edtRzw;
    QLineEdit* edtRzyy;
    QGroupBox* grpRemoval;
    QLineEdit* edtMzwh;
    QLineEdit* edtMzw;
    QLineEdit* edtMzyy;
    QCheckBox* chkContinuous;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};
