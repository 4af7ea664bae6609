#pragma once

#include <QDialog>
#include <QStringList>

#include "cadre/Family.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class TDataM;

// "家庭成员信息": one family member of a cadre, added or edited. "确 定" saves
// (cadre::saveFamilyMember); a refusal is shown and the dialog stays. With "连续添加" ticked a
// new member is saved and the dialog starts the next one at once.
class TFamilyForm final : public QDialog {
    Q_OBJECT

  public:
    // `relations` fill the picker "称 谓".
    TFamilyForm(TDataM& dm, const QStringList& relations, QWidget* parent = nullptr);

    void startNew(int cadreId);
    // `readOnly`: the member is only shown, "确 定" is disabled.
    void edit(const cadre::FamilyMember& member, bool readOnly);

    // The member saved last (0 when none was).
    int savedId() const { return savedId_; }

  private:
    void show(const cadre::FamilyMember& member);
    void confirmClicked();

    TDataM& dm_;
    cadre::FamilyMember member_;
    int savedId_ = 0;
    QComboBox* cbCw;
    QLineEdit* edtXm;
    QLineEdit* edtCssj;
    QComboBox* cbZzmm;
    QLineEdit* edtDw;
    QCheckBox* chkContinue;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};
