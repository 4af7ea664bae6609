#pragma once

#include <QDialog>
#include <QList>

#include "cadre/PickLists.h"

class QComboBox;
class QListWidget;
class QPushButton;
class QTableWidget;
class TDataM;

// "批量修改工具": the cadres chosen with the picker ("选择干部"), one field of the list and its new
// value (an empty value clears the field); "确定" writes the value into every chosen cadre
// (cadre::applyBatchChange) and closes, a refusal or failure is shown and the dialog stays.
class TChangeForm final : public QDialog {
    Q_OBJECT

  public:
    TChangeForm(TDataM& dm, const cadre::PickLists& pickLists, QWidget* parent = nullptr);

    // The chosen cadres, in list order.
    QList<int> chosenCadreIds() const { return cadreIds_; }
    // Lists `cadreIds` as the chosen cadres.
    void setChosenCadres(const QList<int>& cadreIds);

  private:
    void chooseCadres();
    void fieldChosen(int row);
    void apply();

    TDataM& dm_;
    cadre::PickLists pickLists_;
    QList<int> cadreIds_;
    QTableWidget* gridCadres;
    QPushButton* btnChoose;
    QListWidget* lstFields;
    QComboBox* cbValue;
    QPushButton* btnClearValue;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};
