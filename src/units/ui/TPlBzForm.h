#pragma once

#include <QDialog>
#include <QStringList>

#include "units/QuotaAnalysis.h"

class QComboBox;
class QPushButton;
class QTableWidget;
class TDataM;

// "职数/编制设置": the members of one unit with a check column "选中" and a chooser of the post
// category (quota mode) or identity (staffing mode); choosing one checks the members who count
// for it. "确 定" gives the checked members the category's post (or the identity) and takes it
// from the others (units::assignMembers); a refusal or failure is shown and the dialog stays.
class TPlBzForm final : public QDialog {
    Q_OBJECT

  public:
    TPlBzForm(TDataM& dm, units::AnalysisMode mode, int unitId, const QStringList& bands,
              QWidget* parent = nullptr);

    // Chooses `band` in the chooser (and checks its members).
    void selectBand(const QString& band);

  private:
    void showMembers();
    void showCounted();
    void btnOKClick();

    TDataM& dm_;
    units::AnalysisMode mode_;
    int unitId_;
    QComboBox* cbBand;
    QTableWidget* gridPeople;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};
