#pragma once

#include <QStringList>

#include "cadre/CodeSets.h"
#include "cadre/ui/SubRecordPage.h"

class QTabWidget;
class QTableWidget;

// The editor's page "奖惩记录": the cadre's rewards and punishments on the tabs "奖类" and "惩类",
// by date, with "添加", "删除" and "详细" (also a double-click) acting on the tab shown, and the
// summary "描 述：" of the cadre record below. Records are edited in TJcForm.
class RewardsPage final : public SubRecordPage {
    Q_OBJECT

  public:
    // `summary` is the editor's box of tb_cadre.jcNote; `honourLevels` fill the level picker.
    RewardsPage(TDataM& dm, QList<cadre::CodeItem> honourLevels, QWidget* summary,
                QWidget* parent = nullptr);

  protected:
    void reload() override;
    void clear() override;

  private:
    QString shownKind() const;
    QTableWidget* shownGrid() const;
    void fill(QTableWidget* grid, const QString& kind);
    void addClicked();
    void deleteClicked();
    void detailClicked();

    QList<cadre::CodeItem> honourLevels_;
    QTabWidget* tabJc;
    QTableWidget* gridRewards;
    QTableWidget* gridPunishments;
};
