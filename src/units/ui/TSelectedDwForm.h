#pragma once

#include <QDialog>
#include <QList>

class QListWidget;
class QPushButton;

// "已选中单位": a check list of units that the caller fills; after "确 定" the caller reads the
// units that are still checked. "取 消" closes without a result.
class TSelectedDwForm final : public QDialog {
    Q_OBJECT

  public:
    struct Unit {
        int id = 0;
        QString name;
        bool checked = true;
    };

    explicit TSelectedDwForm(QWidget* parent = nullptr);

    // Replaces the list.
    void setUnits(const QList<Unit>& units);
    // The checked units' IDs, in list order.
    QList<int> checkedUnitIds() const;

  private:
    QListWidget* lstUnits;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};
