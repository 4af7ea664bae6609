#include "cadre/ui/PhotoBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <QVariant>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "cadre/Photo.h"
#include "cadre/ui/TPhotoForm.h"

PhotoBox::PhotoBox(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("photo"));
    setFrameShape(QFrame::Box);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QSize PhotoBox::sizeHint() const {
    const int frame = 2 * frameWidth();
    return {cadre::kPhotoWidth / 2 + frame, cadre::kPhotoHeight / 2 + frame};
}

void PhotoBox::showCadre(TDataM& dm, int cadreId) {
    const Result<QByteArray> stored = cadre::readPhoto(dm, cadreId);
    if (!stored) {
        app::showFailure(stored.failure());
    }
    setPhoto(stored ? *stored : QByteArray());
    const Result<QString> name = dm.CadreName(cadreId);
    cadreName_ = name ? *name : QString();
    modified_ = false;
}

void PhotoBox::clear() {
    setPhoto({});
    cadreName_.clear();
    modified_ = false;
}

void PhotoBox::setPhoto(const QByteArray& jpeg) {
    jpeg_ = jpeg;
    picture_ = cadre::decodePhoto(jpeg);
    update();
}

bool PhotoBox::editPhoto() {
    TPhotoForm dialog(jpeg_, cadreName_, this);
    if (dialog.exec() != QDialog::Accepted || !dialog.changed()) {
        return false;
    }
    setPhoto(dialog.photo());
    modified_ = true;
    Q_EMIT photoChanged();
    return true;
}

void PhotoBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (picture_.isNull()) {
        return;
    }
    const QRect area = contentsRect();
    QSize size = picture_.size();
    size.scale(area.size(), Qt::KeepAspectRatio);
    QRect target(QPoint(), size);
    target.moveCenter(area.center());
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture_);
}

void PhotoBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (editable_ && event->button() == Qt::LeftButton) {
        event->accept();
        editPhoto();
        return;
    }
    QFrame::mouseDoubleClickEvent(event);
}
