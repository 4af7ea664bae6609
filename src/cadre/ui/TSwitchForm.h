#pragma once

#include <QDialog>
#include <QList>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TDataM;

// "人员调动": moves the chosen cadres from the source library to the target library
// (cadre::moveToLibrary); leaving "在职干部库" ends their posts with the removal month and their
// memberships. "加 入" opens the picker on the source library; changing the source empties the
// list. A refusal or failure is shown and the dialog stays open.
class TSwitchForm final : public QDialog {
    Q_OBJECT

  public:
    explicit TSwitchForm(TDataM& dm, QWidget* parent = nullptr);

    QList<int> chosenCadreIds() const { return cadreIds_; }
    // Appends `cadreIds` to the list (each once).
    void addCadres(const QList<int>& cadreIds);
    // Chooses `library` (a classid) as the target and the serving library as the source.
    void proposeTarget(int library);

  Q_SIGNALS:
    // Cadres were moved.
    void moved();

  private:
    void showList();
    void pickCadres();
    void removeSelected();
    void apply();

    TDataM& dm_;
    QList<int> cadreIds_;
    QComboBox* cbSource;
    QComboBox* cbTarget;
    QLineEdit* edtMonth;
    QTableWidget* gridCadres;
    QPushButton* btnAdd;
    QPushButton* btnRemove;
    QPushButton* btnClear;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};
