#include "documents/ui/TModelForm.h"

#include <QAction>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "admin/Rights.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "documents/ui/TAddModelForms.h"
#include "office/ZipPackage.h"
#include "widgets/DialogParts.h"

namespace {

const QString kRight = QStringLiteral("MCW");

}  // namespace

TModelForm::TModelForm(TDataM& dm, QWidget* parent)
    : QDialog(parent), dm_(dm), grid_(new QTableWidget(0, 3, this)) {
    setObjectName(QStringLiteral("ModelForm"));
    setWindowTitle(QStringLiteral("可加载模版管理"));
    resize(560, 420);
    auto* note = new QLabel(
        QStringLiteral("本系统支持按照定义好的Excel,Word,PPT模版进行数据的读入和输出。"), this);
    note->setWordWrap(true);
    grid_->setObjectName(QStringLiteral("gridTemplates"));
    grid_->setHorizontalHeaderLabels(
        {QStringLiteral("模板名"), QStringLiteral("文件格式"), QStringLiteral("记录类型")});
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grid_->verticalHeader()->hide();

    QPushButton* add = widgets::namedButton("btnAdd", QStringLiteral("添加"));
    auto* addMenu = new QMenu(add);
    for (const auto& [name, caption, format] :
         {std::tuple{"actAddExcel", "Excel模板", documents::TemplateFormat::Excel},
          std::tuple{"actAddWord", "Word模板", documents::TemplateFormat::Word},
          std::tuple{"actAddPpt", "PPT模板", documents::TemplateFormat::PowerPoint}}) {
        QAction* action = addMenu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this,
                [this, chosen = format] { addTemplate(chosen); });
    }
    add->setMenu(addMenu);
    QPushButton* remove = widgets::namedButton("btnDelete", QStringLiteral("删除"));
    QPushButton* saveAs = widgets::namedButton("btnSaveAs", QStringLiteral("另存为"));
    QPushButton* close = widgets::namedButton("btnClose", QStringLiteral("关闭"));
    connect(remove, &QPushButton::clicked, this, &TModelForm::deleteTemplate);
    connect(saveAs, &QPushButton::clicked, this, &TModelForm::saveTemplateAs);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(grid_, 1);
    layout->addLayout(widgets::rightAlignedRow({add, remove, saveAs, close}));

    chooseSavePath_ = [](QWidget* owner, const QString& suggested) {
        return QFileDialog::getSaveFileName(owner, QStringLiteral("另存为"), suggested);
    };
    reload();
}

void TModelForm::reload() {
    templates_ = app::valueOrShown(documents::listTemplates(dm_.db()));
    grid_->setRowCount(static_cast<int>(templates_.size()));
    for (int row = 0; row < grid_->rowCount(); ++row) {
        const documents::TemplateEntry& entry = templates_[row];
        grid_->setItem(row, 0, new QTableWidgetItem(entry.name));
        grid_->setItem(row, 1, new QTableWidgetItem(documents::formatCaption(entry.format)));
        grid_->setItem(row, 2, new QTableWidgetItem(documents::typeCaption(entry)));
    }
    if (grid_->rowCount() > 0) {
        grid_->selectRow(0);
    }
}

const documents::TemplateEntry* TModelForm::selected() const {
    const int row = grid_->currentRow();
    return row >= 0 && row < templates_.size() ? &templates_[row] : nullptr;
}

void TModelForm::addTemplate(documents::TemplateFormat format) {
    if (!admin::HasRight(dm_, kRight)) {
        return;
    }
    std::unique_ptr<TAddTemplateForm> form;
    switch (format) {
        case documents::TemplateFormat::Excel:
            form = std::make_unique<TAddModelForm>(dm_, this);
            break;
        case documents::TemplateFormat::Word:
            form = std::make_unique<TAddWordModelForm>(dm_, this);
            break;
        case documents::TemplateFormat::PowerPoint:
            form = std::make_unique<TAddPptModelForm>(dm_, this);
            break;
    }
    if (form->exec() == QDialog::Accepted) {
        reload();
    }
}

void TModelForm::deleteTemplate() {
    const documents::TemplateEntry* entry = selected();
    if (entry == nullptr || !admin::HasRight(dm_, kRight) ||
        !app::confirmAction(QStringLiteral("确认删除模版 %1?").arg(entry->name))) {
        return;
    }
    if (const Result<void> deleted = documents::deleteTemplate(dm_.db(), entry->format, entry->id);
        !deleted) {
        app::showFailure(deleted.failure());
    }
    reload();
}

void TModelForm::saveTemplateAs() {
    const documents::TemplateEntry* entry = selected();
    if (entry == nullptr) {
        app::showInformation(documents::kChooseTemplateToSave);
        return;
    }
    const Result<documents::StoredTemplate> stored =
        documents::readTemplate(dm_.db(), entry->format, entry->id);
    if (!stored) {
        app::showFailure(stored.failure());
        return;
    }
    const QString path = chooseSavePath_(this, entry->name + documents::fileSuffix(entry->format));
    if (path.isEmpty()) {
        return;
    }
    if (const Result<void> written = office::writeFileAtomically(path, stored->file); !written) {
        app::showFailure(written.failure());
    }
}
