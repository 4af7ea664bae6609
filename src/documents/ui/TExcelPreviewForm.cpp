#include "documents/ui/TExcelPreviewForm.h"

#include <QHeaderView>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "widgets/DialogParts.h"

namespace {

QTableWidgetItem* readOnlyItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QString caption(const documents::ImportField& field) {
    return QString::fromUtf16(field.caption);
}

// Whether the row updates a cadre without changing any value of its record.
bool changesNothing(const documents::ImportRow& row) {
    return row.action == documents::RowAction::Update && row.values.isEmpty();
}

// What a row imported does, followed by the values the incoming checks changed in it.
QString withNotes(const QString& action, const documents::ImportRow& row) {
    return row.notes.isEmpty()
               ? action
               : action + QStringLiteral("（") + row.notes.join(QStringLiteral("；")) + u'）';
}

}  // namespace

TExcelPreviewForm::TExcelPreviewForm(const QList<documents::ImportRow>& rows,
                                     const std::array<int, documents::kImportFieldCount>& columns,
                                     QWidget* parent)
    : QDialog(parent), grdPreview(new QTableWidget(this)) {
    setObjectName(QStringLiteral("TExcelPreviewForm"));
    setWindowTitle(QStringLiteral("导入预览"));
    resize(900, 560);

    QStringList header = {QStringLiteral("行号"), QStringLiteral("姓名"), QStringLiteral("处理")};
    QList<int> fields;
    const auto& importFields = documents::importFields();
    for (int i = 1; i < documents::kImportFieldCount; ++i) {
        if (columns[static_cast<size_t>(i)] != 0) {
            fields << i;
            header << caption(importFields[static_cast<size_t>(i)]);
        }
    }
    grdPreview->setObjectName(QStringLiteral("grdPreview"));
    grdPreview->setColumnCount(static_cast<int>(header.size()));
    grdPreview->setHorizontalHeaderLabels(header);
    grdPreview->setRowCount(static_cast<int>(rows.size()));
    grdPreview->verticalHeader()->hide();
    grdPreview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const QColor unchangedColor = palette().color(QPalette::Disabled, QPalette::Text);
    int created = 0;
    int updated = 0;
    int unchanged = 0;
    for (int r = 0; r < rows.size(); ++r) {
        const documents::ImportRow& row = rows[r];
        created += row.action == documents::RowAction::Create ? 1 : 0;
        updated += row.action == documents::RowAction::Update && !changesNothing(row) ? 1 : 0;
        unchanged += changesNothing(row) ? 1 : 0;
        grdPreview->setItem(r, 0, readOnlyItem(QString::number(row.sheetRow)));
        grdPreview->setItem(r, 1, readOnlyItem(row.name));
        grdPreview->setItem(r, 2, readOnlyItem(actionText(row)));
        for (int f = 0; f < fields.size(); ++f) {
            const QString column =
                QString::fromUtf16(importFields[static_cast<size_t>(fields[f])].column);
            const bool held = row.unchanged.contains(column);
            QTableWidgetItem* item =
                readOnlyItem((held ? row.unchanged : row.values).value(column).toString());
            if (held) {
                item->setForeground(unchangedColor);
                item->setToolTip(kPreviewUnchangedTip);
            }
            grdPreview->setItem(r, 3 + f, item);
        }
    }
    grdPreview->resizeColumnsToContents();

    const int leftOut = static_cast<int>(rows.size()) - created - updated - unchanged;
    QString counts =
        QStringLiteral("共%1行：新增%2人，更新%3人，").arg(rows.size()).arg(created).arg(updated);
    if (unchanged > 0) {
        counts += QStringLiteral("%1%2人，").arg(kPreviewNoChange).arg(unchanged);
    }
    auto* summary = new QLabel(counts + QStringLiteral("不导入%1行。").arg(leftOut), this);
    summary->setObjectName(QStringLiteral("lblSummary"));
    QPushButton* importButton = widgets::namedButton("btnImport", QStringLiteral("导 入"));
    QPushButton* cancel = widgets::namedButton("btnCancel", QStringLiteral("取 消"));
    importButton->setEnabled(created + updated + unchanged > 0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(grdPreview, 1);
    layout->addLayout(widgets::rightAlignedRow({importButton, cancel}));
    connect(importButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString TExcelPreviewForm::actionText(const documents::ImportRow& row) {
    switch (row.action) {
        case documents::RowAction::Create:
            return withNotes(QStringLiteral("新增"), row);
        case documents::RowAction::Update: {
            if (changesNothing(row)) {
                return withNotes(kPreviewNoChange, row);
            }
            QStringList changed;
            for (const documents::ImportField& field : documents::importFields()) {
                if (row.values.contains(QString::fromUtf16(field.column))) {
                    changed << caption(field);
                }
            }
            return withNotes(QStringLiteral("更新（%1）").arg(changed.join(u'、')), row);
        }
        case documents::RowAction::LeaveOut:
            break;
    }
    return row.problem;
}
