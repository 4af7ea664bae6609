#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;
class QSpinBox;
class TDataM;

// "添加编制": the staffing quota of one identity in a unit. Choosing a type shows the number
// stored for it (the default 1 when there is none; a stored number outside 1..9999 is shown and
// kept as it is); "确 定" (also Enter) updates that row or appends one (one row per unit and
// identity). When the stored number cannot be read, the error is shown and "确 定" is disabled.
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
