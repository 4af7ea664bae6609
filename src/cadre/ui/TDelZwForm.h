#pragma once

#include <QDialog>

class PostCheckList;
class QLabel;
class QPushButton;
class TDataM;

// "删除职务": deletes marked current posts of a cadre that were entered by mistake, opened for a
// unit of the tree; nothing of them is kept among the former posts. The dialog closes with OK
// once they are deleted.
class TDelZwForm final : public QDialog {
    Q_OBJECT

  public:
    TDelZwForm(TDataM& dm, int cadreId, int unitId, QWidget* parent = nullptr);

  private:
    void deleteMarked();

    TDataM& dm_;
    int cadreId_;
    int unitId_;
    QLabel* lblNote;
    QLabel* lblChoose;
    PostCheckList* posts_;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};
