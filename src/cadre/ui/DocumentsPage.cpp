#include "cadre/ui/DocumentsPage.h"

#include <QApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "app/AppPaths.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "cadre/Documents.h"
#include "widgets/DialogParts.h"
#include "widgets/DocumentOpener.h"

namespace {

constexpr int kIdRole = Qt::UserRole;

// The icon of a document's kind.
QIcon iconOf(const QString& extension) {
    QStyle* style = QApplication::style();
    if (extension == u".jpg" || extension == u".bmp") {
        return style->standardIcon(QStyle::SP_DirIcon);
    }
    if (extension == u".doc" || extension == u".xls" || extension == u".ppt") {
        return style->standardIcon(QStyle::SP_FileDialogDetailedView);
    }
    return style->standardIcon(QStyle::SP_FileIcon);
}

}  // namespace

DocumentsPage::DocumentsPage(TDataM& dm, QWidget* parent)
    // The documents have no rights of their own: changing them is changing the cadre's data.
    : SubRecordPage(dm, QString(), QStringLiteral("WGB"), parent),
      chooseOpenFile_([](QWidget* owner, const QString& caption, const QString& proposal) {
          return QFileDialog::getOpenFileName(owner, caption, proposal);
      }),
      chooseSaveFile_([](QWidget* owner, const QString& caption, const QString& proposal) {
          return QFileDialog::getSaveFileName(owner, caption, proposal);
      }),
      askName_([](QWidget* owner, const QString& current) {
          return QInputDialog::getText(owner, QStringLiteral("重命名"), QStringLiteral("文件名："),
                                       QLineEdit::Normal, current);
      }),
      lvDocuments(new QListWidget) {
    setObjectName(QStringLiteral("tsDocuments"));
    lvDocuments->setObjectName(QStringLiteral("lvDocuments"));
    lvDocuments->setViewMode(QListView::IconMode);
    lvDocuments->setResizeMode(QListView::Adjust);
    lvDocuments->setMovement(QListView::Static);
    lvDocuments->setWordWrap(true);
    lvDocuments->setGridSize(QSize(110, 80));
    QPushButton* add = widgets::namedButton("btnDocAdd", QStringLiteral("添加"));
    QPushButton* remove = widgets::namedButton("btnDocDelete", QStringLiteral("删除"));
    QPushButton* rename = widgets::namedButton("btnDocRename", QStringLiteral("重命名"));
    QPushButton* open = widgets::namedButton("btnDocOpen", QStringLiteral("打开"));
    QPushButton* saveAs = widgets::namedButton("btnDocSaveAs", QStringLiteral("另存为"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {add, remove, rename, open, saveAs}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lvDocuments, 1);
    layout->addLayout(buttons);
    connect(add, &QPushButton::clicked, this, &DocumentsPage::addClicked);
    connect(remove, &QPushButton::clicked, this, &DocumentsPage::deleteClicked);
    connect(rename, &QPushButton::clicked, this, &DocumentsPage::renameClicked);
    connect(open, &QPushButton::clicked, this, &DocumentsPage::openClicked);
    connect(lvDocuments, &QListWidget::itemDoubleClicked, this, &DocumentsPage::openClicked);
    connect(saveAs, &QPushButton::clicked, this, &DocumentsPage::saveAsClicked);
}

void DocumentsPage::clear() {
    lvDocuments->clear();
}

void DocumentsPage::reload() {
    const int focused = selectedId();
    lvDocuments->clear();
    const auto documents = cadre::cadreDocuments(dm_.db(), cadreId());
    if (!succeeded(documents)) {
        return;
    }
    for (const cadre::StoredDocument& document : *documents) {
        auto* item = new QListWidgetItem(iconOf(document.extension), document.fileName);
        item->setData(kIdRole, document.id);
        lvDocuments->addItem(item);
        if (document.id == focused) {
            lvDocuments->setCurrentItem(item);
        }
    }
}

int DocumentsPage::selectedId() const {
    const QListWidgetItem* item = lvDocuments->currentItem();
    return item == nullptr || !item->isSelected() ? 0 : item->data(kIdRole).toInt();
}

void DocumentsPage::addClicked() {
    if (!mayChange()) {
        return;
    }
    const QString path = chooseOpenFile_(this, QStringLiteral("添加文档"), QString());
    if (path.isEmpty()) {
        return;
    }
    succeeded(cadre::addDocument(dm_.db(), cadreId(), path));
    changedRecords();
}

void DocumentsPage::deleteClicked() {
    deleteRecord(selectedId(), cadre::kSelectDocumentToDelete, cadre::kDeleteDocumentQuestion,
                 [this](int id) { return cadre::deleteDocument(dm_.db(), cadreId(), id); });
}

void DocumentsPage::renameClicked() {
    const int id = selectedId();
    if (id == 0 || !mayChange()) {
        return;
    }
    const QString name = askName_(this, lvDocuments->currentItem()->text());
    if (name.trimmed().isEmpty()) {
        return;
    }
    succeeded(cadre::renameDocument(dm_.db(), cadreId(), id, name));
    changedRecords();
}

void DocumentsPage::openClicked() {
    const int id = selectedId();
    if (id == 0) {
        app::showInformation(cadre::kSelectDocumentToOpen);
        return;
    }
    const auto path =
        cadre::extractDocument(dm_.db(), cadreId(), id, app::appDir() + QStringLiteral("TEMP"));
    if (succeeded(path)) {
        widgets::openDocument(*path);
    }
}

void DocumentsPage::saveAsClicked() {
    const int id = selectedId();
    if (id == 0) {
        app::showInformation(cadre::kSelectDocumentToSave);
        return;
    }
    const QString path =
        chooseSaveFile_(this, QStringLiteral("另存为"), lvDocuments->currentItem()->text());
    if (path.isEmpty()) {
        return;
    }
    if (succeeded(cadre::saveDocument(dm_.db(), cadreId(), id, path))) {
        app::showInformation(cadre::kDocumentSaved);
    }
}
