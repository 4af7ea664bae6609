#pragma once

#include <QComboBox>
#include <QStandardItemModel>

// A drop-down of check boxes whose value is the set of checked items as bits (item i is 2^i).
// The box shows the checked items' texts joined by ",", or the empty text when none is checked;
// closed() is emitted when the drop-down closes after the user could change the checks.
class CheckComboBox final : public QComboBox {
    Q_OBJECT

  public:
    explicit CheckComboBox(QWidget* parent = nullptr);

    void setItems(const QStringList& texts);
    void setEmptyText(const QString& text);

    int value() const;
    void setValue(int bits);

    void showPopup() override;
    void hidePopup() override;

  Q_SIGNALS:
    void closed();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString displayText() const;

    QStandardItemModel model_;
    QString emptyText_;
    bool open_ = false;
};
