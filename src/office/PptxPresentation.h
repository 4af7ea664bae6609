#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

#include "db/Result.h"
#include "office/ZipPackage.h"

// A PowerPoint presentation (.pptx) read and edited directly: the tables on its slides and the
// text of their cells, for templates that place values into slide tables.
//
// Slides are numbered from 1 in presentation order; the tables of a slide from 1 in the order
// of the slide's shapes; rows and columns from 1 over the table's grid. As PowerPoint's own
// Cell(r,c), every grid position is a cell, also one covered by a merged cell (its text is
// empty and is not shown). Texts use "\n" between paragraphs and for line breaks. Failures
// name the file; a failed call leaves the presentation as it was.
namespace office {

class PptxPresentation {
  public:
    static Result<PptxPresentation> open(const QString& path);
    static Result<PptxPresentation> fromBytes(const QByteArray& bytes, const QString& name);

    PptxPresentation(PptxPresentation&&) noexcept;
    PptxPresentation& operator=(PptxPresentation&&) noexcept;
    ~PptxPresentation();

    const QString& name() const;

    int slideCount() const;
    Result<int> tableCount(int slide) const;
    Result<int> rowCount(int slide, int table) const;
    Result<int> columnCount(int slide, int table) const;

    Result<QString> cellText(int slide, int table, int row, int column) const;

    // Replaces a cell's text; each "\n" starts a paragraph. New paragraphs and text take the
    // formatting of the cell's first paragraph and first run (or of its end-of-paragraph mark).
    Result<void> setCellText(int slide, int table, int row, int column, const QString& text);

    // Inserts `count` copies of row `row` of a table below it, with its cells, formatting and
    // text. A count of 0 or less changes nothing.
    Result<void> insertRowCopies(int slide, int table, int row, int count);

    // The presentation as .pptx bytes, and saving it (through a temporary file in the same
    // folder that is renamed over `path`).
    Result<QByteArray> toBytes() const;
    Result<void> save(const QString& path) const;

  private:
    struct Data;
    explicit PptxPresentation(std::unique_ptr<Data> data);
    static Result<PptxPresentation> load(Result<ZipPackage> package);

    std::unique_ptr<Data> d_;
};

}  // namespace office
