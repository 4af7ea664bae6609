#pragma once

#include <QDialog>
#include <QMap>
#include <QVariant>

class CadreFieldPages;
class PhotoBox;
class PostsPage;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QTimer;
class ResumePage;
class TDataM;

namespace mainwin {
struct PickLists;
}

// "干部信息管理": the record of one cadre, created, viewed, edited, saved and deleted. In single
// mode it shows the cadre a list of the main window opened; in list mode a list of one cadre
// library beside it chooses the cadre. Editing is locked until "允许修改" (right "WGB") is
// checked. Saving (with "保 存", before another cadre is shown, before a new one is started and
// on closing) writes the record in one transaction; a refused save keeps the input on screen.
class TCadreForm final : public QDialog {
    Q_OBJECT

  public:
    // `lists` are the pickers' lists of the main window; places typed for the first time join
    // them.
    TCadreForm(TDataM& dm, mainwin::PickLists& lists, QWidget* parent = nullptr);

    // Single mode on an existing cadre.
    bool openCadre(int cadreId);
    // Single mode on a new cadre; once saved it becomes a member of `unitId` (0: of none).
    void startNewCadre(int unitId);
    // List mode on the serving cadres' library.
    void startLibrary();

    // The cadres of the calling list, for the arrows "上一个"/"下一个" (shown only when the caller
    // asks): each arrow saves, then opens the cadre of the row before or after; at either end
    // the end row's cadre is opened again.
    void setStepList(const QList<int>& cadreIds, int position);

    // Whether any save passed the name check or any post changed while the window was open.
    bool changed() const { return changed_; }
    // The cadre shown last (0 when none).
    int lastCadreId() const { return cadreId_; }

    // Saves the record; true when it is saved or had nothing to save. `announce` shows the
    // completion message.
    bool save(bool announce);

    void done(int result) override;

    static const QString kLocked;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showRecord(const QMap<QString, QVariant>& row);
    bool isModified() const;
    void allowEditToggled(bool on);
    void updateEditing();
    void addCadre();
    void deleteCadre();
    void cancelEdits();
    void pageChanging(int index);
    void fillList(int selectId);
    void listRowChosen();
    void moveInOrder();
    void blink();
    void step(int by);

    TDataM& dm_;
    mainwin::PickLists& lists_;
    bool listMode_ = false;
    bool isNew_ = false;
    bool changed_ = false;
    int cadreId_ = 0;
    int unitForNew_ = 0;
    int lastMovePosition_ = 1;
    int blinks_ = 0;
    int shownPage_ = 0;
    QMap<QString, QVariant> loaded_;  // the record as shown last, for isModified()
    CadreFieldPages* fields_;
    PhotoBox* photo_;
    ResumePage* resume_;
    PostsPage* posts_;
    QWidget* listPanel_;
    QComboBox* cbLibrary;
    QLineEdit* edtSearch;
    QLabel* lblTotal;
    QTableWidget* lstCadres;
    QTabWidget* PageControl1;
    QFrame* frmAllow;
    QCheckBox* chkAllowEdit;
    QPushButton* btnAdd;
    QPushButton* btnDelete;
    QPushButton* btnSave;
    QPushButton* btnCancel;
    QPushButton* btnClose;
    QPushButton* btnInOut;
    QPushButton* btnPages;
    QTimer* blinkTimer_;
    QPushButton* btnPrior;
    QPushButton* btnNext;
    QList<int> stepList_;
    int stepPosition_ = 0;
};
