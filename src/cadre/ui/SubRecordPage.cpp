#include "cadre/ui/SubRecordPage.h"

#include <QHeaderView>
#include <QTableWidget>
#include <utility>

#include "admin/Rights.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "cadre/ui/TCadreForm.h"

SubRecordPage::SubRecordPage(TDataM& dm, QString readRight, QString writeRight, QWidget* parent)
    : QWidget(parent),
      dm_(dm),
      readRight_(std::move(readRight)),
      writeRight_(std::move(writeRight)) {}

void SubRecordPage::showCadre(int cadreId) {
    cadreId_ = cadreId;
    clear();
}

void SubRecordPage::activate() {
    if (cadreId_ == 0 || (!readRight_.isEmpty() && !admin::HasRight(dm_, readRight_))) {
        clear();
        return;
    }
    reload();
}

bool SubRecordPage::mayChange() {
    if (cadreId_ == 0) {
        return false;
    }
    if (!editable_) {
        app::showInformation(TCadreForm::kLocked);
        return false;
    }
    return admin::HasRight(dm_, writeRight_);
}

bool SubRecordPage::reported(const Failure& failure) {
    app::showFailure(failure);
    return false;
}

QString SubRecordPage::cadreName() const {
    const Result<QString> name = dm_.CadreName(cadreId_);
    return name ? *name : QString();
}

void SubRecordPage::changedRecords() {
    reload();
    Q_EMIT recordsChanged();
}

void SubRecordPage::showGone(const QString& gone) {
    app::showInformation(gone);
    changedRecords();
}

void SubRecordPage::deleteRecord(int id, const QString& chooseFirst, const QString& question,
                                 const std::function<Result<void>(int id)>& remove) {
    if (!mayChange()) {
        return;
    }
    if (id == 0) {
        app::showInformation(chooseFirst);
        return;
    }
    if (!app::confirmAction(question)) {
        return;
    }
    succeeded(remove(id));
    changedRecords();
}

namespace subrecords {

namespace {
constexpr int kIdRole = Qt::UserRole;
}

QTableWidget* listGrid(const char* objectName, const QStringList& headers) {
    auto* grid = new QTableWidget(0, static_cast<int>(headers.size()));
    grid->setObjectName(QString::fromLatin1(objectName));
    grid->setHorizontalHeaderLabels(headers);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setStretchLastSection(true);
    return grid;
}

void fillGrid(QTableWidget* grid, const QList<QStringList>& cells, const QList<int>& ids) {
    grid->setRowCount(0);
    grid->setRowCount(static_cast<int>(cells.size()));
    for (int row = 0; row < cells.size(); ++row) {
        for (int column = 0; column < grid->columnCount(); ++column) {
            auto* item = new QTableWidgetItem(cells[row].value(column));
            if (column == 0) {
                item->setData(kIdRole, ids.value(row));
            }
            grid->setItem(row, column, item);
        }
    }
}

int focusedId(const QTableWidget* grid) {
    const int row = grid->currentRow();
    const QTableWidgetItem* item = row < 0 ? nullptr : grid->item(row, 0);
    return item == nullptr ? 0 : item->data(kIdRole).toInt();
}

void focusId(QTableWidget* grid, int id) {
    for (int row = 0; row < grid->rowCount(); ++row) {
        if (grid->item(row, 0)->data(kIdRole).toInt() == id) {
            grid->setCurrentCell(row, 0);
            return;
        }
    }
}

}  // namespace subrecords
