#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;

// "查找培训班信息": the class search. "确 定" builds the where clause (training::classWhere);
// a refused field keeps the dialog open.
class TQueryPxForm final : public QDialog {
    Q_OBJECT

  public:
    explicit TQueryPxForm(QWidget* parent = nullptr);

    // The where clause built on "确 定" (empty when nothing was filled).
    QString where() const { return where_; }

  private:
    void build();

    QLineEdit* edtName;
    QLineEdit* edtFrom;
    QLineEdit* edtTo;
    QComboBox* cbLevel;
    QComboBox* cbCategory;
    QLineEdit* edtPeople;
    QString where_;
};
