#include "cadre/ui/TPhotoForm.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/MessageService.h"
#include "cadre/Photo.h"
#include "widgets/DialogParts.h"

TPhotoForm::TPhotoForm(const QByteArray& jpeg, const QString& cadreName, QWidget* parent)
    : QDialog(parent),
      original_(jpeg),
      jpeg_(jpeg),
      cadreName_(cadreName.trimmed()),
      chooseOpenFile_([](QWidget* owner, const QString& caption, const QString& proposal,
                         const QString& filter) {
          return QFileDialog::getOpenFileName(owner, caption, proposal, filter);
      }),
      chooseSaveFile_([](QWidget* owner, const QString& caption, const QString& proposal,
                         const QString& filter) {
          return QFileDialog::getSaveFileName(owner, caption, proposal, filter);
      }),
      imgPhoto(new QLabel),
      btnImport(widgets::namedButton("btnImport", QStringLiteral("导 入"))),
      btnExport(widgets::namedButton("btnExport", QStringLiteral("导 出"))),
      btnClear(widgets::namedButton("btnClear", QStringLiteral("清 除"))),
      btnOK(widgets::namedButton("btnOK", QStringLiteral("确 定"))),
      btnCancel(widgets::namedButton("btnCancel", QStringLiteral("取 消"))) {
    setObjectName(QStringLiteral("TPhotoForm"));
    setWindowTitle(QStringLiteral("照片设置"));
    imgPhoto->setObjectName(QStringLiteral("imgPhoto"));
    imgPhoto->setFixedSize(cadre::kPhotoWidth + 2, cadre::kPhotoHeight + 2);
    imgPhoto->setFrameShape(QFrame::Box);
    imgPhoto->setAlignment(Qt::AlignCenter);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(btnImport);
    buttons->addWidget(btnExport);
    buttons->addWidget(btnClear);
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(imgPhoto);
    layout->addLayout(buttons);

    btnOK->setDefault(true);
    connect(btnImport, &QPushButton::clicked, this, &TPhotoForm::btnImportClick);
    connect(btnExport, &QPushButton::clicked, this, &TPhotoForm::btnExportClick);
    connect(btnClear, &QPushButton::clicked, this, &TPhotoForm::btnClearClick);
    connect(btnOK, &QPushButton::clicked, this, &TPhotoForm::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    showPicture(cadre::decodePhoto(jpeg));
}

QString TPhotoForm::openFilter() {
    return QStringLiteral(
        "All (*.jpg *.jpeg *.bmp *.png);;JPEG Image File (*.jpg);;JPEG Image File (*.jpeg);;"
        "Bitmaps (*.bmp);;PNG Image File (*.png)");
}

QString TPhotoForm::saveFilter() {
    return QStringLiteral("Bitmaps (*.bmp);;JPEG Image File (*.jpg)");
}

void TPhotoForm::showPicture(const QImage& picture) {
    picture_ = picture;
    if (picture_.isNull()) {
        imgPhoto->clear();
    } else {
        // Photos fit the box already; a larger one from elsewhere is shown reduced.
        QPixmap pixmap = QPixmap::fromImage(picture_);
        if (pixmap.width() > cadre::kPhotoWidth || pixmap.height() > cadre::kPhotoHeight) {
            pixmap = pixmap.scaled(cadre::kPhotoWidth, cadre::kPhotoHeight, Qt::KeepAspectRatio,
                                   Qt::SmoothTransformation);
        }
        imgPhoto->setPixmap(pixmap);
    }
    btnExport->setEnabled(!picture_.isNull());
}

void TPhotoForm::btnImportClick() {
    const QString path = chooseOpenFile_(this, QStringLiteral("导入照片"), QString(), openFilter());
    if (path.isEmpty()) {
        return;
    }
    const Result<QImage> picture = cadre::importPhotoFile(path);
    if (!picture) {
        app::showError(picture.errorText());
        return;
    }
    pictureReplaced_ = true;
    showPicture(*picture);
}

void TPhotoForm::btnExportClick() {
    if (picture_.isNull()) {
        return;
    }
    const QString proposal = QDir::home().filePath(cadreName_ + QStringLiteral(".bmp"));
    const QString path = chooseSaveFile_(this, QStringLiteral("导出照片"), proposal, saveFilter());
    if (path.isEmpty()) {
        return;
    }
    const Result<void> exported = cadre::exportPhoto(picture_, path);
    if (!exported) {
        app::showError(exported.errorText());
    }
}

void TPhotoForm::btnClearClick() {
    pictureReplaced_ = true;
    showPicture({});
}

void TPhotoForm::btnOKClick() {
    QByteArray result = original_;
    if (pictureReplaced_ && !picture_.isNull()) {
        result = cadre::encodePhoto(picture_);
        if (result.isEmpty()) {
            app::showError(QStringLiteral("照片无法编码为JPEG格式，未保存。"));
            return;
        }
    } else if (pictureReplaced_) {
        result.clear();
    }
    jpeg_ = result;
    changed_ = jpeg_ != original_;
    accept();
}
