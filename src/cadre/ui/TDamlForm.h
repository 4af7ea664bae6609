#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;
class TDataM;

// "档案目录": the archive catalogue of one cadre in a grid, by category and sequence number.
// With "允许修改" on (right "WGB") the cells are edited in place and each edit is written at
// once; "添加" appends an entry of the focused entry's category with the next number, "删除"
// asks first, "上移"/"下移" swap sequence numbers with the neighbour, and "高级" holds
// "导出Excel" and "导入Excel".
class TDamlForm final : public QDialog {
    Q_OBJECT

  public:
    TDamlForm(TDataM& dm, int cadreId, const QString& cadreName, QWidget* parent = nullptr);

  private:
    void reload(int focusId);
    int focusedId() const;
    void allowToggled(bool on);
    void cellEdited(int row, int column);
    void addClicked();
    void deleteClicked();
    void moveClicked(int step);
    // "导入Excel": the entries of a chosen workbook (cadre::importCatalogue), with the switch on.
    void importClicked();

    TDataM& dm_;
    int cadreId_;
    bool filling_ = false;
    QLabel* lblTitle;
    QTableWidget* gridE01;
    QCheckBox* chkAllowEdit;
    QPushButton* btnAdd;
    QPushButton* btnDelete;
    QPushButton* btnUp;
    QPushButton* btnDown;
    QPushButton* btnAdvanced;
};
