#pragma once

#include <QByteArray>
#include <QFrame>
#include <QImage>
#include <QString>

class TDataM;

// The photo box of the cadre editor's "基本信息" page: shows the cadre's photo reduced into its
// frame and, while the editor allows changes, opens "照片设置" on a double-click. A photo chosen
// there is kept in the box until the editor saves the cadre record, which stores
// pendingPhoto() in tb_cadre.photo along with the other columns; after saving, the editor shows
// the cadre again and the box reloads the column.
class PhotoBox final : public QFrame {
    Q_OBJECT

  public:
    explicit PhotoBox(QWidget* parent = nullptr);

    // Shows the stored photo of cadre `cadreId` (an empty box when it has none or cannot be
    // read) and forgets any change not yet saved.
    void showCadre(TDataM& dm, int cadreId);
    // Empties the box for a new cadre; nothing is pending.
    void clear();
    // The name proposed for exported photo files ("<name>.bmp").
    void setCadreName(const QString& name) { cadreName_ = name; }

    void setEditable(bool editable) { editable_ = editable; }
    bool isEditable() const { return editable_; }

    // Opens "照片设置" on the box's photo; true when the user changed it.
    bool editPhoto();

    // The photo to store with the cadre record: JPEG bytes, empty for none (NULL).
    QByteArray pendingPhoto() const { return jpeg_; }
    // Whether the photo was changed since the cadre was shown or the box cleared.
    bool isModified() const { return modified_; }
    // The picture shown (null when the box is empty).
    QImage picture() const { return picture_; }

    QSize sizeHint() const override;

  Q_SIGNALS:
    // The user changed the photo in the dialog.
    void photoChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void setPhoto(const QByteArray& jpeg);

    QByteArray jpeg_;
    QImage picture_;
    QString cadreName_;
    bool editable_ = false;
    bool modified_ = false;
};
