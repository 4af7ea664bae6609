#pragma once

#include <QDialog>
#include <vector>

#include "rosters/Rosters.h"

class QComboBox;
class TDataM;

// "选择名册": one roster out of all, newest year first, the first preselected. With no roster
// at all, choose() reports kNoRosterToJoin and gives Cancel without showing the dialog.
class TSelMcForm final : public QDialog {
    Q_OBJECT

  public:
    explicit TSelMcForm(TDataM& dm, QWidget* parent = nullptr);

    // Shows the dialog; Accepted with a roster chosen.
    int choose();
    // The chosen roster (valid after Accepted).
    const rosters::Roster& chosen() const { return chosen_; }

  private:
    TDataM& dm_;
    QComboBox* cxComboBox1;
    std::vector<rosters::Roster> rosters_;
    rosters::Roster chosen_;
};
