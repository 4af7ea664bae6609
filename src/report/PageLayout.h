#pragma once

#include <QFont>
#include <QImage>
#include <QMarginsF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <vector>

// Printed forms laid out in millimetres: pages of cells, each a rectangle with an optional
// frame, text or a picture. One layout is drawn the same way on screen, paper, PDF and PNG
// (report/PageRenderer.h); nothing here depends on a device.
namespace report {

// A page's paper size and the margins that the forms place their content within, in mm.
struct PageSetup {
    QSizeF size{210, 297};
    QMarginsF margins{20, 20, 20, 20};

    static PageSetup a4();                                   // 210 × 297 mm
    static PageSetup b5();                                   // 176 × 250 mm
    static PageSetup custom(qreal widthMm, qreal heightMm);  // margins 0

    // The part of the page inside the margins, in page coordinates (mm from the top left).
    QRectF contentRect() const;
};

// A font as the forms name it: the families in order of preference; the first one installed on
// the machine is used, then the CJK fonts that every installation has.
struct FontSpec {
    QStringList families;
    qreal pointSize = 10.5;
    bool bold = false;

    // "宋体" (SimSun) and its stand-ins.
    static FontSpec song(qreal pointSize, bool bold = false);
    // "仿宋_GB2312" (FangSong) and its stand-ins.
    static FontSpec fangSong(qreal pointSize, bool bold = false);
    // "宋体" for text laid out by character count (resumes): a face whose Latin letters and
    // blanks are half as wide as a Chinese character, so that columns of blanks line up.
    static FontSpec fixedSong(qreal pointSize);
    // "黑体" (SimHei) and its stand-ins.
    static FontSpec hei(qreal pointSize, bool bold = false);

    QFont font() const;
};

// The sides of a cell that are framed.
enum Border : unsigned {
    NoBorder = 0,
    LeftBorder = 1,
    TopBorder = 2,
    RightBorder = 4,
    BottomBorder = 8,
    AllBorders = 15,
};

// One rectangle of a page. Its text is drawn inside the padding, broken at its line breaks and,
// when `wrap` is set, at word or character boundaries to the cell's width. A picture is drawn
// as large as the padded cell allows, keeping its aspect ratio, centred.
struct Cell {
    QRectF rect;  // mm, page coordinates
    QString text;
    FontSpec font = FontSpec::song(10.5);
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool wrap = true;
    unsigned borders = NoBorder;
    qreal borderWidth = 0.3;  // mm
    qreal padding = 1.0;      // mm, on every side, between the frame and the text or picture
    QImage picture;

    QRectF innerRect() const;
};

// `text` with its line breaks as stored (CR LF, CR or LF) all made LF, the break that text
// layout breaks at.
QString withLineFeeds(QString text);

// The size in mm that `text` takes in `font` when broken to `widthMm` (unbroken but at its own
// line breaks when `widthMm` is 0 or less).
QSizeF textSize(const QString& text, const FontSpec& font, qreal widthMm);

// Whether the text of `cell` fits inside its padded rectangle at its font size.
bool textFits(const Cell& cell);

// A printed form of one or more pages. The caller chooses fonts and sizes; cells whose text does
// not fit are drawn clipped to their rectangle and are listed by overflowingCells(), so that no
// text falls outside its cell without the caller knowing.
class Layout {
  public:
    explicit Layout(PageSetup setup = PageSetup::a4()) : setup_(setup) {}

    const PageSetup& setup() const { return setup_; }

    // Starts a new page at the end and returns its number (from 0).
    int addPage();
    int pageCount() const { return static_cast<int>(pages_.size()); }
    // Adds `cell` to page `page` (which must exist) and returns a reference to it.
    Cell& add(int page, Cell cell);
    const std::vector<Cell>& cells(int page) const { return pages_.at(static_cast<size_t>(page)); }

    struct CellRef {
        int page;
        int cell;
    };
    std::vector<CellRef> overflowingCells() const;

  private:
    PageSetup setup_;
    std::vector<std::vector<Cell>> pages_;
};

// Lays lines of text one below the other from `top` within `column` of each page, starting new
// pages of `layout` as they fill (the first line of a new page at the top of `column`). Every
// line is one unbroken cell of `lineHeightMm`. Returns the mm position below the last line.
qreal flowLines(Layout& layout, const QStringList& lines, const FontSpec& font, QRectF column,
                qreal top, qreal lineHeightMm);

}  // namespace report
