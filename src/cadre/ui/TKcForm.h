#pragma once

#include <QDialog>

#include "cadre/Assessments.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TDataM;

// "考察考核记录", laid out as the "干部考察简要情况表": one inspection or assessment of a cadre.
// "保 存" saves (cadre::saveInspection, which settles the appraisal year); a refusal keeps the
// dialog open.
class TKcForm final : public QDialog {
    Q_OBJECT

  public:
    explicit TKcForm(TDataM& dm, QWidget* parent = nullptr);

    void showInspection(const cadre::Inspection& inspection, const QString& cadreName,
                        bool readOnly);
    int savedId() const { return savedId_; }

  private:
    void saveClicked();

    TDataM& dm_;
    cadre::Inspection inspection_;
    int savedId_ = 0;
    QLabel* lblTitle;
    QLineEdit* edtKcName;
    QComboBox* cbKclb;
    QLineEdit* edtKcsj;
    QLineEdit* edtKczzmc;
    QLineEdit* edtKcr;
    QLineEdit* edtXrz;
    QComboBox* cbKcff;
    QComboBox* cbKcjl;
    QPlainTextEdit* memKcyj;
    QPlainTextEdit* memKcbz;
    QPlainTextEdit* memCpyj;
    QPlainTextEdit* memKcyj2;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};
