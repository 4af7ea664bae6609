#pragma once

#include <QList>
#include <QString>

#include "documents/TemplateVocabulary.h"

// Finding the placeholders in the text of one cell of a template (an Excel cell, a Word or
// PowerPoint table cell), and the item a template stores for each placeholder found.
namespace documents {

// One placeholder of a stored template (a row of tb_mbItem, tb_wordModelItem or
// tb_pptModelItem): what it stands for and where.
struct TemplateItem {
    QString item;  // the column code
    ItemKind kind = ItemKind::Cadre;
    int page = 0;      // sheet number (Excel) or table number (Word, PowerPoint), from 1
    int h = 0;         // row, from 1
    int l = 0;         // column, from 1
    int ord = 0;       // the family member's number (kind 2), from 1
    QString prefix;    // the cell's text before the placeholder
    QString postfix;   // the cell's text after the last placeholder (on the last one only)
    QString itemDesc;  // the placeholder as typed ("<家-姓名-2>")

    friend bool operator==(const TemplateItem&, const TemplateItem&) = default;
};

// What one cell holds: whether it has any placeholder at all (then the stored template has the
// cell blanked), and the known ones in the order of the text, each with `item`, `kind`, `ord`,
// `prefix`, `postfix` and `itemDesc` filled (the position is the caller's).
struct CellScan {
    bool hasPlaceholders = false;
    QList<TemplateItem> items;
};

// Scans the text of one cell. Full-width brackets "＜" "＞" count as "<" ">" and the text is
// trimmed. Every "<" followed later by a ">" opens a placeholder that ends at the next ">"; the
// prefix of a placeholder is the text since the end of the one before (or the cell's start),
// and the text after the cell's last placeholder is the postfix of the last known one. A
// placeholder "<家-X-n>" stands for column X of the n-th family member (n a whole number from
// 1); "<家-X>" without a number is not recorded. A placeholder not in the vocabulary is left
// out.
CellScan scanCell(const QString& text);

// The text of a cell for given values of its items (in the order scanCell gave them): each
// item's prefix and value in turn, then the postfix.
QString composeCell(const QList<TemplateItem>& items, const QStringList& values);

// The values of a filled cell, read back by the items' prefixes and postfix (in cell order):
// the text after each prefix up to the next item's prefix (or the postfix at the end). A
// prefix or postfix that the text does not hold leaves the text as it is.
QStringList splitCell(const QString& text, const QList<TemplateItem>& items);

}  // namespace documents
