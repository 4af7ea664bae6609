#include "settings/ui/TExportDirForm.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "settings/ExportFolder.h"
#include "widgets/DialogParts.h"

TExportDirForm::TExportDirForm(TDataM& dm, QWidget* parent)
    : QDialog(parent), dm_(dm), edtFolder(new QLineEdit) {
    setObjectName(QStringLiteral("TExportDirForm"));
    setWindowTitle(QStringLiteral("导出目录设置"));
    edtFolder->setObjectName(QStringLiteral("edtFolder"));
    edtFolder->setText(QDir::toNativeSeparators(settings::exportFolder(dm_)));
    auto* browse = widgets::namedButton("btnBrowse", QStringLiteral("..."));
    auto* ok = widgets::namedButton("btnOK", QStringLiteral("确 定"));
    auto* cancel = widgets::namedButton("btnCancel", QStringLiteral("取 消"));
    auto* row = new QHBoxLayout;
    row->addWidget(edtFolder, 1);
    row->addWidget(browse);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("导出文件默认保存到：")));
    layout->addLayout(row);
    layout->addLayout(widgets::rightAlignedRow({ok, cancel}));
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString chosen =
            QFileDialog::getExistingDirectory(this, windowTitle(), edtFolder->text());
        if (!chosen.isEmpty()) {
            edtFolder->setText(QDir::toNativeSeparators(chosen));
        }
    });
    connect(ok, &QPushButton::clicked, this, &TExportDirForm::btnOKClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TExportDirForm::btnOKClick() {
    const Result<void> set =
        settings::setExportFolder(dm_, QDir::fromNativeSeparators(edtFolder->text()));
    if (!set) {
        app::showFailure(set.failure());
        return;
    }
    accept();
}
