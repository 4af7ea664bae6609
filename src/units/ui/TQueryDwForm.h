#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TDataM;
class UnitTreeWidget;

// "单位筛选": collects a short-name text, a unit nature and a scope (a unit of the tree, whose
// subtree is searched) and gives the where-clause over tb_department that selects the units
// meeting every non-empty choice. Shown modal; "确 定" accepts, "取 消" rejects.
class TQueryDwForm final : public QDialog {
    Q_OBJECT

  public:
    // The natures come from tb_dep_xz of the data module's database; the scope list is the
    // tree's units in display order, indented by depth.
    TQueryDwForm(TDataM& dm, const UnitTreeWidget& tree, QWidget* parent = nullptr);

    // " where ..." for the current choices, empty when nothing is chosen.
    QString whereClause() const;
    // The unit index of the chosen scope, empty when none.
    QString scopeIndex() const;

  private:
    QLabel* Label1;
    QLineEdit* cxTextEdit1;
    QLabel* Label2;
    QComboBox* cxComboBox1;
    QLabel* Label3;
    QComboBox* cxComboBox2;
    QPushButton* cxButton1;
    QPushButton* cxButton2;
};
