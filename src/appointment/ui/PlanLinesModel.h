#pragma once

#include <QAbstractTableModel>
#include <array>

#include "db/Database.h"

// A column of the plan-line grid: its caption, its tb_rmmc_detail column (empty for the
// sequence column) and whether it is shown at first.
struct PlanGridColumn {
    const char* caption;
    const char* field;
    bool shown;
};
inline constexpr std::array<PlanGridColumn, 21> kPlanGridColumns{{
    {"序号", "", true},
    {"姓名", "xm", true},
    {"性别", "xb", true},
    {"出生年月", "csnyStr", true},
    {"年龄", "age", true},
    {"民族", "mz", true},
    {"出生地", "cssheng", true},
    {"籍贯", "jgsheng", true},
    {"现任职务", "xrz", true},
    {"拟任职", "nrz", true},
    {"拟免职", "nmz", true},
    {"学历", "gxl", true},
    {"毕业院校", "gxlxx", true},
    {"入党时间", "rdsjStr", true},
    {"工作时间", "gzsjStr", true},
    {"任免结果", "rmjg", true},
    {"审批意见", "spyj", true},
    {"备注", "note1", true},
    {"现任职务", "allZwList", false},
    {"现任职时间", "allRzsjList", false},
    {"政治面貌", "zzmm", false},
}};

// The lines of one plan for the grid, read at once. While editing is switched on, every column
// but the sequence can be edited; each edit is stored at once.
class PlanLinesModel final : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit PlanLinesModel(db::Database& db, QObject* parent = nullptr);

    // Reads the lines of `statement`; on failure the grid is empty.
    Result<void> load(const QString& statement);
    void clear();
    void setEditable(bool editable);
    bool editable() const { return editable_; }

    // The value of `field` on `row` (an invalid QVariant when there is no such row or column).
    QVariant value(int row, const QString& field) const;
    int lineId(int row) const;
    // The row of line `lineId`, -1 when it is not listed.
    int rowOfLine(int lineId) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

  private:
    db::Database& db_;
    db::QueryResult lines_;
    bool editable_ = false;
};
