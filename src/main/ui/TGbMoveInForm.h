#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

// "干部调入": confirms moving a cadre into another unit, with the month of the move, the post
// name after it (the cadre's current post at first) and whether the cadre leaves the old unit.
// "确 定" refuses a month that is not a month of the entry pattern; the dialog then stays open.
class TGbMoveInForm final : public QDialog {
    Q_OBJECT

  public:
    TGbMoveInForm(const QString& cadreName, const QString& targetUnit, const QString& postName,
                  const QString& currentUnit, QWidget* parent = nullptr);

    QString monthText() const;
    QString postName() const;
    bool leaveOldUnit() const;

  private:
    void okClick();

    QLineEdit* edtMonth;
    QLineEdit* edtPost;
    QCheckBox* chkLeave;
};
