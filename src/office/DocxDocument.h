#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

#include "db/Result.h"
#include "office/ZipPackage.h"

// A Word document (.docx) read and edited directly, in place of driving Word: the tables of
// the body, the text and formatting of their cells, pictures in cells, and saving.
//
// Addressing follows Word's own: tables are the top-level tables of the body in document
// order, numbered from 1 (Tables.Item(n)); a cell is (table, row, column), each from 1, where
// the column is the c-th cell of that row as Word's Cell(r,c) counts it: a cell merged across
// several grid columns counts once, and a cell that continues a vertical merge from the row
// above does not exist (it is refused, as Word refuses it). Tables inside cells are not counted.
//
// Texts use "\n" between paragraphs and for line breaks, and "\t" for tabs, both ways.
// A failure about the document (a missing table or cell, a damaged part) names the file; a
// refused argument (a size out of range) says what is allowed. A failed call leaves the
// document as it was. Changes stay in memory until save() or toBytes().
namespace office {

class DocxDocument {
  public:
    // Opens a .docx file or a .docx held in memory (`name` is used in messages). Fails when the
    // file is not a ZIP package, lacks its main document part or that part is not valid XML.
    static Result<DocxDocument> open(const QString& path);
    static Result<DocxDocument> fromBytes(const QByteArray& bytes, const QString& name);

    DocxDocument(DocxDocument&&) noexcept;
    DocxDocument& operator=(DocxDocument&&) noexcept;
    ~DocxDocument();

    // The file name used in messages.
    const QString& name() const;

    // The number of top-level tables of the body (Tables.Count).
    int tableCount() const;

    // The number of rows of a table (Rows.Count); fails for a table that does not exist.
    Result<int> rowCount(int table) const;

    // The number of grid columns of a table (Columns.Count): the columns of its grid, or the
    // widest row when the table declares no grid.
    Result<int> columnCount(int table) const;

    // The number of cells of one row as Word's Cell(r,c) counts them, vertical-merge
    // continuations included (they are refused by the cell functions; see hasCell).
    Result<int> cellCount(int table, int row) const;

    // Whether Word's Cell(r,c) exists: the row has a c-th cell that does not continue a
    // vertical merge. Never fails.
    bool hasCell(int table, int row, int column) const;

    // The text of a cell: its paragraphs joined with "\n"; line breaks also give "\n".
    Result<QString> cellText(int table, int row, int column) const;

    // Replaces the text of a cell. Each "\n" starts a new paragraph; paragraphs and text take the
    // paragraph formatting of the cell's first paragraph and the character formatting of its
    // first run (or of the paragraph mark when the cell has no run), so a template's fonts,
    // sizes and alignment stay. Anything else in the cell (pictures, nested tables) goes.
    Result<void> setCellText(int table, int row, int column, const QString& text);

    // Inserts `count` copies of row `row` of a table below it, with its cells, formatting and
    // text. A count of 0 or less changes nothing.
    Result<void> insertRowCopies(int table, int row, int count);

    // Sets the font size of all text in a cell (Range.Font.Size), in points from 1 to 1638,
    // rounded to half points.
    Result<void> setCellFontSize(int table, int row, int column, double points);

    // Sets "exactly" line spacing (LineSpacingRule exactly) of every paragraph of a cell, in
    // points from 0.05 to 1584.
    Result<void> setCellExactLineSpacing(int table, int row, int column, double points);

    // Puts a PNG or JPEG picture into a cell as an inline picture of the given size in
    // millimetres; the picture replaces the cell's text and keeps its first paragraph's
    // formatting (alignment). Callers that keep the aspect ratio compute the size from the
    // picture's pixels. Fails for other picture formats and for sizes not above 0.
    Result<void> setCellPicture(int table, int row, int column, const QByteArray& picture,
                                double widthMm, double heightMm);

    // The width of a cell in millimetres (Cell.Width): its own preferred width when given in
    // absolute units, else the widths of the grid columns it spans. Fails when neither is
    // recorded.
    Result<double> cellWidthMm(int table, int row, int column) const;

    // The height of a cell's row in millimetres (Cell.Height): the row's recorded height, at
    // least or exact. Fails when the row's height is automatic (not recorded).
    Result<double> cellHeightMm(int table, int row, int column) const;

    // The document as .docx bytes, and saving it to a file (written to a temporary file in the
    // same folder, then renamed over `path`).
    Result<QByteArray> toBytes() const;
    Result<void> save(const QString& path) const;

  private:
    struct Data;
    explicit DocxDocument(std::unique_ptr<Data> data);
    static Result<DocxDocument> load(Result<ZipPackage> package);

    std::unique_ptr<Data> d_;
};

}  // namespace office
