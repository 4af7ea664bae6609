#pragma once

#include <QStringList>

#include "cadre/ui/SubRecordPage.h"

class QPushButton;
class QTableWidget;

// The editor's page "家庭成员": the cadre's family members in their order, with "添加", "删除",
// "查看" (also a double-click) and "上移"/"下移". Members are edited in TFamilyForm.
class FamilyPage final : public SubRecordPage {
    Q_OBJECT

  public:
    // `relations` fill the dialog's picker "称 谓".
    FamilyPage(TDataM& dm, QStringList relations, QWidget* parent = nullptr);

  protected:
    void reload() override;
    void clear() override;

  private:
    void addClicked();
    void deleteClicked();
    void viewClicked();
    void moveClicked(int step);

    QStringList relations_;
    QTableWidget* gridFamily;
};
