#include "units/ui/TZwjForm.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "db/Database.h"
#include "units/UnitNatures.h"
#include "widgets/DialogParts.h"

namespace {

constexpr int kCheckColumn = 0;
constexpr int kNameColumn = 1;

}  // namespace

TZwjForm::TZwjForm(TDataM& dm, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      edtName(new QLineEdit),
      gridPosts(new QTableWidget(0, 2)),
      btnOK(widgets::namedButton("btnOK", QStringLiteral("确 定"))),
      btnCancel(widgets::namedButton("btnCancel", QStringLiteral("取 消"))) {
    setObjectName(QStringLiteral("TZwjForm"));
    setWindowTitle(QStringLiteral("单位性质及职务集设置"));
    edtName->setObjectName(QStringLiteral("edtName"));
    edtName->setMaxLength(50);
    gridPosts->setObjectName(QStringLiteral("gridPosts"));
    gridPosts->setHorizontalHeaderLabels({QStringLiteral("选中"), QStringLiteral("职务名称")});
    gridPosts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridPosts->setSelectionBehavior(QAbstractItemView::SelectRows);
    gridPosts->verticalHeader()->hide();
    gridPosts->horizontalHeader()->setStretchLastSection(true);
    auto* note = new QLabel(QStringLiteral("职务集不是必须设置的，它的目的是简化职务设置工作。"));
    note->setObjectName(QStringLiteral("lblNote"));

    // Every post title, in the order of the list.
    if (const Result<QStringList> posts = units::postTitles(dm_.db()); !posts) {
        app::showError(posts.errorText());
    } else {
        gridPosts->setRowCount(static_cast<int>(posts->size()));
        for (int row = 0; row < gridPosts->rowCount(); ++row) {
            auto* check = new QTableWidgetItem;
            check->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
            check->setCheckState(Qt::Unchecked);
            gridPosts->setItem(row, kCheckColumn, check);
            auto* name = new QTableWidgetItem(posts->at(row));
            name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            gridPosts->setItem(row, kNameColumn, name);
        }
    }
    // A click anywhere on a row checks or unchecks its post.
    connect(gridPosts, &QTableWidget::cellClicked, this, [this](int row, int column) {
        if (column == kNameColumn) {
            QTableWidgetItem* check = gridPosts->item(row, kCheckColumn);
            check->setCheckState(check->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        }
    });

    auto* nameRow = new QFormLayout;
    nameRow->addRow(QStringLiteral("单位性质名称："), edtName);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(note, 1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addWidget(new QLabel(QStringLiteral("选中包含的职务：")));
    layout->addWidget(gridPosts, 1);
    layout->addLayout(buttons);

    connect(btnOK, &QPushButton::clicked, this, &TZwjForm::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    startAdding();
}

void TZwjForm::startAdding() {
    startEditing(QString());
}

void TZwjForm::startEditing(const QString& name) {
    originalName_ = name;
    edtName->setText(name);
    QStringList posts;
    if (!name.isEmpty()) {
        const Result<QStringList> stored = units::naturePosts(dm_.db(), name);
        if (!stored) {
            app::showFailure(stored.failure());
        }
        posts = stored ? *stored : QStringList();
    }
    for (int row = 0; row < gridPosts->rowCount(); ++row) {
        gridPosts->item(row, kCheckColumn)
            ->setCheckState(posts.contains(gridPosts->item(row, kNameColumn)->text())
                                ? Qt::Checked
                                : Qt::Unchecked);
    }
    edtName->setFocus();
}

QStringList TZwjForm::checkedPosts() const {
    QStringList posts;
    for (int row = 0; row < gridPosts->rowCount(); ++row) {
        if (gridPosts->item(row, kCheckColumn)->checkState() == Qt::Checked) {
            posts.append(gridPosts->item(row, kNameColumn)->text());
        }
    }
    return posts;
}

void TZwjForm::btnOKClick() {
    const Result<void> saved =
        units::saveNature(dm_.db(), originalName_, edtName->text(), checkedPosts());
    if (!saved) {
        app::showFailure(saved.failure());
        return;
    }
    accept();
}
