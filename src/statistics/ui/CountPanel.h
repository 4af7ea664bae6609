#pragma once

#include <QWidget>

#include "statistics/CountTable.h"

class QPushButton;
class QTableWidget;
class TDataM;
namespace cadre {
struct PickLists;
}

// The two-dimensional count table under the search result ("StringGrid1"): the result counted
// by a main (vertical) and a secondary (horizontal) dimension, with the totals "合计" and the
// rest "其他", and the buttons "统计设置", "切换统计方法", "反查", "关闭反查", "输出Excel" and
// "打印". The first column holds the main categories, the header the secondary ones.
class CountPanel final : public QWidget {
    Q_OBJECT

  public:
    // Counts in `dm`; the settings offer the post levels of `lists`. Neither is owned; both
    // outlive the panel.
    CountPanel(TDataM& dm, const cadre::PickLists& lists, QWidget* parent = nullptr);

    // Counts the result again by the chosen dimensions; a failing count is shown and leaves the
    // grid empty.
    void compute();
    const statistics::CountTable& table() const { return table_; }
    QTableWidget* grid() const { return StringGrid1; }

    // The commands of the buttons.
    void openSettings();
    void chooseDimensions();
    void reverseLookup();
    void closeReverseLookup();
    void exportExcel();
    void print();

    static const QString kChooseCell;

  Q_SIGNALS:
    // "反查": the result list is to show only the cadres meeting `condition` (on tb_cadre's
    // columns; empty for the whole result).
    void lookupRequested(const QString& condition);
    // "关闭反查": the result list is to show the whole result again.
    void lookupClosed();

  private:
    void fill();
    QPushButton* addButton(const char* name, const QString& caption, void (CountPanel::*slot)());

    TDataM& dm_;
    const cadre::PickLists& lists_;
    statistics::Dimension main_ = statistics::Dimension::Age;
    statistics::Dimension secondary_ = statistics::Dimension::Sex;
    statistics::CountTable table_;
    QTableWidget* StringGrid1;
    QPushButton* btnCloseLookup = nullptr;
};
