#pragma once

#include <QDate>
#include <QDialog>
#include <QList>

#include "settings/Reminders.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;
class TDataM;

inline const QString kChooseRetiring = QStringLiteral("请选择要退休的干部！");

// "提示": the logged-in user's reminders and the cadres due to retire. Shown modelessly at start
// when the user's reminder flag is set, and from "事务提醒".
class TWakeForm final : public QDialog {
    Q_OBJECT

  public:
    explicit TWakeForm(TDataM& dm, QWidget* parent = nullptr);

    // The day the reminders and the retirement list are computed for (today unless set).
    void setToday(const QDate& today);
    // Reads the summary and the retirement list again, after cadres changed elsewhere (a move
    // between libraries), so that no row offers a cadre who has left the serving library.
    void reloadCadres();

  Q_SIGNALS:
    // Cadres of the retirement list were moved to another library.
    void cadresMoved();

  private:
    QWidget* makeSummaryPage();
    QWidget* makePlanPage();
    QWidget* makeRetirementPage();
    void refreshSummary();
    void refreshPlans();
    void refreshRetiring();
    void showPlans(settings::PlanFilter filter);
    void planEdited(int row, int column);
    void addPlan();
    void deletePlan();
    void clearExpired();
    void retireChecked();

    TDataM& dm_;
    QDate today_;
    settings::RetirementAges ages_;
    QList<settings::PlanRow> plans_;
    bool filling_ = false;
    QTabWidget* PageControl1;
    QPushButton* btnTotal;
    QPushButton* btnExpired;
    QPushButton* btnToday;
    QPushButton* btnRetiring;
    QPushButton* btnClear;
    QCheckBox* chkClew;
    QComboBox* cbFilter;
    QTableWidget* gridPlans;
    QComboBox* cbPeriod;
    QTableWidget* gridRetiring;
    QPushButton* btnRetire;
};
