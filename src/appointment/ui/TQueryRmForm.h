#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class TDataM;

// The plan search "查找任免信息": plan name, a date range, the persons in a plan and the process
// state; "确 定" builds the where clause of the plans that meet every filled condition.
class TQueryRmForm final : public QDialog {
    Q_OBJECT

  public:
    explicit TQueryRmForm(TDataM& dm, QWidget* parent = nullptr);

    // " where ..." or empty (all plans), set by "确 定".
    const QString& clause() const { return clause_; }

    void accept() override;

  private:
    TDataM& dm_;
    QLineEdit* edtName;
    QLineEdit* edtFrom;
    QLineEdit* edtTo;
    QPlainTextEdit* edtPersons;
    QComboBox* cmbRmzt;
    QString clause_;
};
