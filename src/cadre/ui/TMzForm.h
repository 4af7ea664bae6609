#pragma once

#include <QDialog>
#include <QList>

class PostCheckList;
class QLabel;
class QLineEdit;
class QPushButton;
class TDataM;

// "免职设置": removes marked current posts of a cadre, opened for a unit of the tree. The posts
// become former posts ending in the removal month typed ("免职时间：", this month by default);
// the dialog closes with OK once they are written.
class TMzForm final : public QDialog {
    Q_OBJECT

  public:
    TMzForm(TDataM& dm, int cadreId, int unitId, QWidget* parent = nullptr);

    // Offers only the posts `zwIds` (a category's posts handed over by the batch dialog).
    void onlyPosts(const QList<int>& zwIds);

  private:
    void removeMarked();

    TDataM& dm_;
    int cadreId_;
    int unitId_;
    QLabel* lblCadre;
    QLabel* lblNote;
    PostCheckList* posts_;
    QLabel* lblMzsj;
    QLineEdit* edtMzsj;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};
