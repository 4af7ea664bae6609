#pragma once

#include <QByteArray>
#include <QDialog>
#include <QImage>
#include <QString>
#include <functional>

class QLabel;
class QPushButton;

// "照片设置": shows a cadre's photo and lets the user import a picture file (scaled to the
// photo size), export the shown picture, or clear it. The dialog works on the photo value and
// writes nothing itself: on "确 定" the caller takes photo() and stores it, at once or with the
// cadre record; "取 消" leaves the caller's value untouched.
class TPhotoForm final : public QDialog {
    Q_OBJECT

  public:
    // Asks for a file name: (parent, caption, proposed path, filter) → the chosen path, or ""
    // when the user cancels.
    using FileChooser =
        std::function<QString(QWidget*, const QString&, const QString&, const QString&)>;

    // `jpeg` is the stored photo (empty when there is none); `cadreName` names the proposed
    // export file.
    TPhotoForm(const QByteArray& jpeg, const QString& cadreName, QWidget* parent = nullptr);

    // The file choosers; by default the desktop's open and save dialogs.
    void setOpenFileChooser(FileChooser chooser) { chooseOpenFile_ = std::move(chooser); }
    void setSaveFileChooser(FileChooser chooser) { chooseSaveFile_ = std::move(chooser); }

    // The photo to store: JPEG bytes of the shown picture, empty when the box is empty. A
    // stored photo that was not replaced comes back byte for byte.
    QByteArray photo() const { return jpeg_; }
    // Whether "确 定" changed the photo against the value the dialog was opened with.
    bool changed() const { return changed_; }
    // The picture in the box (null when empty).
    QImage picture() const { return picture_; }

    static QString openFilter();
    static QString saveFilter();

  private:
    void btnImportClick();
    void btnExportClick();
    void btnClearClick();
    void btnOKClick();
    void showPicture(const QImage& picture);

    QByteArray original_;
    QByteArray jpeg_;
    QImage picture_;
    bool pictureReplaced_ = false;
    bool changed_ = false;
    QString cadreName_;
    FileChooser chooseOpenFile_;
    FileChooser chooseSaveFile_;

    QLabel* imgPhoto;
    QPushButton* btnImport;
    QPushButton* btnExport;
    QPushButton* btnClear;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};
