#pragma once

#include <QComboBox>
#include <QStandardItemModel>

// A drop-down of check boxes whose value is the set of checked items as bits (item i is 2^i).
// The box shows the checked items' texts joined by ",", or the empty text when none is checked.
//
// A click on an item (on its box or its text) ticks or unticks it and leaves the drop-down
// open. Closing the drop-down any other way than with Escape (a click outside, Enter, the
// box's own button) emits closed(), and the owner applies value(). Escape closes it with the
// checks it was opened with and emits nothing, so what the box shows is always what the owner
// applied.
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
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QString displayText() const;
    void popupHidden();

    QStandardItemModel model_;
    QString emptyText_;
    bool open_ = false;
    int openedWith_ = 0;
};
