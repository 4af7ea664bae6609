#pragma once

#include <QDialog>
#include <QMap>
#include <QVariant>

#include "admin/CadrePageRights.h"
#include "cadre/CadreEditSession.h"
#include "cadre/ResumePrintout.h"

class AssessmentsPage;
class CadreFieldPages;
class DocumentsPage;
class FamilyPage;
class RewardsPage;
class SubRecordPage;
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

namespace cadre {
struct PickLists;
}

// "干部信息管理": the record of one cadre, created, viewed, edited, saved and deleted. In single
// mode it shows the cadre a list of the main window opened; in list mode a list of one cadre
// library beside it chooses the cadre, and always selects the cadre shown (none while a new
// one is); a new cadre joins the library on show. Editing is locked until "允许修改" (right
// "WGB") is checked. Each page follows the account's rights (admin::readCadreAccess): a page it
// may not read shows the refusal and none of its records, one it may not write stays read-only,
// and a cadre outside the units the account is limited to shows its basic page only, which
// cannot be edited. Saving (with "保 存", before another cadre is shown, before a new one is
// started and on closing) writes the columns the user changed in one transaction; a refused
// save keeps the input on screen.
class TCadreForm final : public QDialog {
    Q_OBJECT

  public:
    // `lists` are the pickers' lists of the main window; places typed for the first time join
    // them.
    TCadreForm(TDataM& dm, cadre::PickLists& lists, QWidget* parent = nullptr);

    // Single mode on an existing cadre; kCadreMissing, or the database's error, when it cannot
    // be read.
    Result<void> openCadre(int cadreId);
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
    int lastCadreId() const { return session_.cadreId(); }

    // Saves the record; true when it is saved or had nothing to save. `announce` shows the
    // completion message.
    bool save(bool announce);

    void done(int result) override;

    static const QString kLocked;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    static constexpr int kBasicPage = 0;

    // The list of a library (list mode) and the record's pages, built by the constructor.
    void buildListPanel();
    void buildPages();
    // Where the list goes when the cadre to select is not listed.
    enum class Fallback { First, Last, None };

    void showRecord(const QMap<QString, QVariant>& row);
    // Reads what the account may do with the record about to be shown, and shows, hides or
    // covers the pages accordingly.
    void readAccess();
    bool readable(admin::CadrePage page) const;
    // The page whose content is `content`.
    admin::CadrePage pageOf(const QWidget* content) const;
    // Whether the cadre on show is within the account's units; refusals are shown.
    bool mayChangeShownCadre();
    // An empty record of the library on show (the serving one in single mode).
    void showNewRecord();
    // No record at all: an empty form that cannot be edited (an empty library).
    void showNoRecord();
    bool hasRecord() const { return session_.hasRecord(); }
    // The values of the controls, resume included.
    QMap<QString, QVariant> shownValues() const;
    // The printed resume of the record on show, with what the controls show now.
    cadre::ResumePrintData shownResume() const;
    // What a save hands over: the changed values, or every value of a new record.
    QMap<QString, QVariant> editedValues() const;
    bool isModified() const;
    void allowEditToggled(bool on);
    void updateEditing();
    void addCadre();
    void deleteCadre();
    void cancelEdits();
    void pageChanging(int index);
    // Lists the records of the page shown when it is one of the cadre's record pages.
    void activateRecordPage();
    void libraryChosen(int library);
    // Lists the library on show, filtered by the search box, and shows its first cadre.
    void search();
    // Reads the list again and selects `selectId`, else the row `fallback` names, without
    // showing another cadre.
    void fillList(int selectId, Fallback fallback);
    void selectRowQuietly(int row);
    int rowOf(int cadreId) const;
    // Shows the cadre the list selects, saving the shown record first; when that save is
    // refused the record stays and the list returns to its row. An empty list shows no record.
    void showListChoice();
    void moveInOrder();
    void blink();
    void step(int by);

    TDataM& dm_;
    cadre::CadreEditSession session_;
    bool listMode_ = false;
    bool changed_ = false;
    int unitForNew_ = 0;  // the unit a new record joins when first saved
    int lastMovePosition_ = 1;
    int library_ = 0;  // the library the list shows
    int blinks_ = 0;
    int shownPage_ = 0;
    admin::CadreAccess access_;       // of the account to the record on show
    QMap<QString, QVariant> loaded_;  // the record as shown last, for isModified()
    CadreFieldPages* fields_;
    PhotoBox* photo_;
    ResumePage* resume_;
    PostsPage* posts_;
    FamilyPage* family_;
    AssessmentsPage* assessments_;
    RewardsPage* rewards_;
    DocumentsPage* documents_;
    QList<SubRecordPage*> recordPages_;
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
