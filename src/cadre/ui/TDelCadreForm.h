#pragma once

#include <QDialog>

#include "cadre/CadreDeletion.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "干部信息删除?": asks how a cadre of the current unit's list is to go (removed with a removal
// month, removed with the unit's posts deleted, or deleted completely). It only asks; "确 定"
// refuses a removal month that is not a month of the entry pattern (the dialog stays open), and
// once it closes the caller reads way() and removalMonthText() and carries the removal out.
class TDelCadreForm final : public QDialog {
    Q_OBJECT

  public:
    explicit TDelCadreForm(const QString& cadreName, QWidget* parent = nullptr);

    cadre::RemovalWay way() const;
    // The removal month as typed (pre-filled with the current month, "yyyy.MM").
    QString removalMonthText() const;

  private:
    void btnOKClick();

    QLabel* lblCadre;
    QLabel* lblNote;
    QRadioButton* rbRemoveWithDate;
    QLineEdit* edtRemovalDate;
    QRadioButton* rbRemoveDeletePosts;
    QRadioButton* rbDeleteAll;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};
