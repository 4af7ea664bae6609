#pragma once

#include <QList>
#include <QSet>
#include <QWidget>
#include <optional>

class QCheckBox;
class QTableWidget;
class TDataM;

// The list of a cadre's current posts that the removal and deletion dialogs share: a grid with
// a mark per post ("选中", "单位", "职务名称", "任职时间"), by default the posts in the unit the
// dialog was opened for, all of the cadre's current posts while "显示所有任职" is ticked. Every
// post starts marked; a post keeps its mark while it stays listed.
class PostCheckList final : public QWidget {
    Q_OBJECT

  public:
    PostCheckList(TDataM& dm, int cadreId, int unitId, QWidget* parent = nullptr);

    // Lists only the posts `zwIds`, wherever they are; the switch is then out of use.
    void restrictTo(const QList<int>& zwIds);
    // The marked posts, in the listed order.
    QList<int> markedPostIds() const;

  private:
    void reload();

    TDataM& dm_;
    int cadreId_;
    int unitId_;
    std::optional<QSet<int>> only_;
    QCheckBox* chkShowAll;
    QTableWidget* gridPosts;
};
