#pragma once

#include <QWidget>

#include "cadre/CurrentPosts.h"

class QCheckBox;
class QPushButton;
class QTabWidget;
class QTableWidget;
class TDataM;

// The cadre editor's page "任职详细": the cadre's current posts ("现任职详细信息"), former posts
// ("曾任职详细信息") and memberships ("所在单位/编制"), each on a tab, with the buttons "添加",
// "删除", "修改", "上移", "下移" acting on the tab shown, and the lock box that keeps the current
// post and its month in the cadre record from following the posts. Posts are edited in the post
// dialog (TRzForm), memberships in the membership dialog (TAtDwForm); a double-click edits the
// row. After each change the lists are read again and postsChanged() is emitted; a change of
// the current posts also brings the editor's open record up to date through the record writer.
class PostsPage final : public QWidget {
    Q_OBJECT

  public:
    explicit PostsPage(TDataM& dm, QWidget* parent = nullptr);

    // Lists the posts and memberships of cadre `cadreId`; 0 (a cadre not saved yet) empties the
    // lists and leaves the buttons without effect.
    void showCadre(int cadreId);
    // Whether the buttons and double-clicks change anything.
    void setEditable(bool on);
    // How the current-post texts reach the cadre record that the editor holds open; without one
    // they are written into the stored record.
    void setRecordWriter(cadre::CadreRecordWriter writer);
    // "锁定干部基本信息中现任职务、任职时间，不随“任职详细”自动变化"; the editor binds it to
    // ZwLock.
    QCheckBox* lockBox() const { return chkZwLock; }

  Q_SIGNALS:
    // A post or membership was added, edited, deleted or moved.
    void postsChanged();

  private:
    enum Tab { CurrentTab, FormerTab, MembershipTab };

    void reload();
    void fillCurrentPosts();
    void fillFormerPosts();
    void fillMemberships();
    void updateCommands();
    QTableWidget* shownGrid() const;
    // The id kept with the focused row of `grid` (ZwID, or dwID of a membership), 0 for none.
    static int focusedId(const QTableWidget* grid);
    static void focusId(QTableWidget* grid, int id);

    void addClicked();
    void deleteClicked();
    void editClicked();
    void moveClicked(int step);
    void editPost(bool current, int zwId);
    void editMembership(int unitId);

    TDataM& dm_;
    int cadreId_ = 0;
    bool editable_ = false;
    cadre::CadreRecordWriter writeRecord_;

    QTabWidget* tabs;
    QTableWidget* gridCurrent;
    QTableWidget* gridFormer;
    QTableWidget* gridMembers;
    QPushButton* btnAdd;
    QPushButton* btnDelete;
    QPushButton* btnEdit;
    QPushButton* btnUp;
    QPushButton* btnDown;
    QCheckBox* chkZwLock;
};
