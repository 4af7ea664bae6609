#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;
class QSpinBox;
class TDataM;

// "添加编制": the staffing quota of one identity in a unit. Choosing a type shows the number
// stored for it (the default 1 when there is none); "确 定" updates that row or appends one (one
// row per unit and identity).
class TAddBzForm final : public QDialog {
    Q_OBJECT

  public:
    TAddBzForm(TDataM& dm, int unitId, QWidget* parent = nullptr);

    // Shows identity `rybz` (added to the list when it is not in it) with its stored number.
    void selectIdentity(const QString& rybz);

  private:
    void showStored();
    void btnOKClick();

    TDataM& dm_;
    int unitId_;
    QComboBox* cbRybz;
    QSpinBox* seBzs;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};
