#pragma once

#include <QPixmap>
#include <QWidget>

#include "report/PageLayout.h"

class QRectF;
class QSizeF;

// One page of a printed form on screen: the page as printed (frames, labels, title) drawn at
// kPixelsPerMm, with boxes placed over its cells by their millimetres.
class FormPageView final : public QWidget {
  public:
    static constexpr qreal kPixelsPerMm = 5;

    // Shows `sizeMm` of page `page` of `layout` from the top left of its printed area.
    FormPageView(const report::Layout& layout, int page, const QSizeF& sizeMm,
                 QWidget* parent = nullptr);

    // Places `box` (made a child of the page) over `rectMm`, given from the top left of the
    // printed area.
    void place(QWidget* box, const QRectF& rectMm);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap background_;
};
