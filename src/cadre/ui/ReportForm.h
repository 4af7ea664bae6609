#pragma once

#include <QDialog>
#include <QMap>
#include <QVariantMap>

#include "cadre/CadreReports.h"

class QLabel;
class QPushButton;
class TDataM;

// The record dialog of a major event ("重大事项登记表", object name TZdsxForm), an audit
// ("经济责任审计", TJjsjForm) or a public opinion ("群众反映意见", TQzyjForm): the fields of the
// kind's table under the heading of the cadre's name, each control named after its column
// ("edtA5501", "memA5507", "cbA5404", "chkA5411"). A pick field offers its code set; the button
// of a code field opens the code picker (TDmForm). Choosing a major event's category replaces the
// content with the category's labelled lines. "保 存" saves (cadre::saveReport); a refusal keeps
// the dialog open.
class ReportForm final : public QDialog {
    Q_OBJECT

  public:
    ReportForm(TDataM& dm, cadre::ReportKind kind, QWidget* parent = nullptr);

    // Shows record `id` (0: a new one) of the cadre with `values`.
    void showReport(int cadreId, int id, const QVariantMap& values, const QString& cadreName,
                    bool readOnly);
    int savedId() const { return savedId_; }

  private:
    QWidget* fieldControl(const cadre::ReportField& field);
    void setValue(const cadre::ReportField& field, const QVariant& value);
    QVariant value(const cadre::ReportField& field) const;
    void saveClicked();

    TDataM& dm_;
    cadre::ReportKind kind_;
    int cadreId_ = 0;
    int id_ = 0;
    int savedId_ = 0;
    QMap<QString, QWidget*> controls_;
    QLabel* lblTitle;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};
