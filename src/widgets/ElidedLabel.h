#pragma once

#include <QLabel>

// A one-line label for texts of any length, such as a unit's full name in a heading: it shows
// as much as fits and ends a longer text with "…", showing the whole text as its tool tip. It
// asks for no more room than a few characters, so a long text never widens its window.
class ElidedLabel final : public QLabel {
    Q_OBJECT

  public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;
    // Whether the text is cut to fit the label's width.
    bool isElided() const;

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QString shownText() const;
};
