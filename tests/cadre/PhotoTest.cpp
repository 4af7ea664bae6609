#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "CadreData.h"
#include "cadre/CadreRecord.h"
#include "cadre/Photo.h"
#include "cadre/ui/PhotoBox.h"
#include "cadre/ui/TPhotoForm.h"
#include "support/ModalAnswer.h"
#include "support/RecordingMessageService.h"

namespace {

// ---- the scaling rule ------------------------------------------------------------------------

struct ScaleCase {
    int w, h;
    int expectedW, expectedH;
};

void PrintTo(const ScaleCase& c, std::ostream* os) {
    *os << c.w << "x" << c.h << " -> " << c.expectedW << "x" << c.expectedH;
}

class PhotoScaling : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(PhotoScaling, TargetSizeFollowsTheRatios) {
    const ScaleCase c = GetParam();
    EXPECT_EQ(cadre::photoTargetSize(QSize(c.w, c.h)), QSize(c.expectedW, c.expectedH));
    QImage source(c.w, c.h, QImage::Format_RGB32);
    source.fill(Qt::blue);
    const QImage scaled = cadre::scalePhoto(source);
    EXPECT_EQ(scaled.size(), QSize(c.expectedW, c.expectedH));
}

INSTANTIATE_TEST_SUITE_P(
    Table, PhotoScaling,
    ::testing::Values(ScaleCase{480, 600, 240, 300},    // same ratio, reduced
                      ScaleCase{600, 300, 240, 120},    // wide: width limits
                      ScaleCase{100, 500, 60, 300},     // tall: height limits
                      ScaleCase{120, 150, 240, 300},    // small, same ratio: enlarged
                      ScaleCase{240, 300, 240, 300},    // already the photo size
                      ScaleCase{60, 30, 240, 120},      // small and wide: enlarged
                      ScaleCase{241, 300, 240, 299},    // 300 * 240 / 241 = 298.76
                      ScaleCase{1000, 1001, 240, 240},  // 1001 * 240 / 1000 = 240.24
                      ScaleCase{1, 120, 3, 300},        // 2.5 rounds up
                      ScaleCase{1, 10000, 1, 300}));    // 0.03 keeps one pixel

TEST(PhotoScalingRule, EmptyPictureHasNoTarget) {
    EXPECT_TRUE(cadre::photoTargetSize(QSize(0, 300)).isEmpty());
    EXPECT_TRUE(cadre::scalePhoto(QImage()).isNull());
}

TEST(PhotoScalingRule, StretchesWithoutBlendingPixels) {
    // Four colour blocks: stretching only repeats pixels, so no other colour may appear.
    QImage source(2, 2, QImage::Format_RGB32);
    source.setPixel(0, 0, qRgb(255, 0, 0));
    source.setPixel(1, 0, qRgb(0, 255, 0));
    source.setPixel(0, 1, qRgb(0, 0, 255));
    source.setPixel(1, 1, qRgb(255, 255, 0));
    const QImage scaled = cadre::scalePhoto(source);
    ASSERT_EQ(scaled.size(), QSize(240, 240));
    QSet<QRgb> colours;
    for (int y = 0; y < scaled.height(); ++y) {
        for (int x = 0; x < scaled.width(); ++x) {
            colours.insert(scaled.pixel(x, y) | 0xff000000u);
        }
    }
    EXPECT_EQ(colours.size(), 4);
    EXPECT_EQ(scaled.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(scaled.pixel(239, 0), qRgb(0, 255, 0));
    EXPECT_EQ(scaled.pixel(0, 239), qRgb(0, 0, 255));
    EXPECT_EQ(scaled.pixel(239, 239), qRgb(255, 255, 0));
}

TEST(PhotoScalingRule, TransparentPartsBecomeWhite) {
    QImage source(48, 60, QImage::Format_ARGB32);
    source.fill(Qt::transparent);
    const QImage scaled = cadre::scalePhoto(source);
    EXPECT_FALSE(scaled.hasAlphaChannel());
    EXPECT_EQ(scaled.pixel(120, 150), qRgb(255, 255, 255));
}

// ---- files, storage and export ---------------------------------------------------------------

QImage filled(int w, int h, const QColor& colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

class PhotoData : public CadreData {
  protected:
    QString file(const QString& name) const { return files.filePath(name); }

    QString writePicture(const QString& name, const QImage& image) {
        const QString path = file(name);
        EXPECT_TRUE(image.save(path)) << path.toStdString();
        return path;
    }

    QString writeBytes(const QString& name, const QByteArray& bytes) {
        const QString path = file(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }

    QVariant storedPhoto(int cadre) {
        return db()
            .scalar(QStringLiteral("select photo from tb_cadre where CadreID=?"), {cadre})
            .value();
    }

    // The JPEG of a 480 × 600 grey picture, stored as cadre `cadre`'s photo.
    QByteArray storeGreyPhoto(int cadre) {
        const QByteArray jpeg = cadre::encodePhoto(cadre::scalePhoto(filled(480, 600, Qt::gray)));
        const Result<void> written = cadre::writePhoto(dm, cadre, jpeg);
        EXPECT_TRUE(written) << written.errorText().toStdString();
        return jpeg;
    }

    static bool isJpeg(const QByteArray& bytes) {
        QBuffer buffer;
        buffer.setData(bytes);
        return bytes.startsWith("\xFF\xD8") && QImageReader(&buffer).format() == "jpeg";
    }

    QTemporaryDir files;
    RecordingMessageService messages;
};

TEST_F(PhotoData, ImportReadsJpegBmpAndPngAndScales) {
    struct Case {
        const char* name;
        QSize size;
        QSize expected;
    };
    for (const Case& c :
         {Case{"wide.png", {600, 300}, {240, 120}}, Case{"tall.bmp", {100, 500}, {60, 300}},
          Case{"small.jpg", {120, 150}, {240, 300}}, Case{"big.jpeg", {480, 600}, {240, 300}}}) {
        SCOPED_TRACE(c.name);
        const QString path = writePicture(QString::fromLatin1(c.name),
                                          filled(c.size.width(), c.size.height(), Qt::darkGreen));
        const Result<QImage> picture = cadre::importPhotoFile(path);
        ASSERT_TRUE(picture) << picture.errorText().toStdString();
        EXPECT_EQ(picture->size(), c.expected);
    }
}

TEST_F(PhotoData, UnreadableFilesAreRefusedWithTheirName) {
    const QString garbage = writeBytes(QStringLiteral("broken.jpg"), "\xFF\xD8 not a picture");
    const Result<QImage> broken = cadre::importPhotoFile(garbage);
    EXPECT_FALSE(broken);
    EXPECT_TRUE(broken.errorText().contains(QStringLiteral("broken.jpg")))
        << broken.errorText().toStdString();

    const Result<QImage> missing = cadre::importPhotoFile(file(QStringLiteral("missing.bmp")));
    EXPECT_FALSE(missing);
    EXPECT_TRUE(missing.errorText().contains(QStringLiteral("missing.bmp")))
        << missing.errorText().toStdString();
}

TEST_F(PhotoData, StoresJpegAndReadsItBack) {
    EXPECT_EQ(cadre::readPhoto(dm, 1).value(), QByteArray());  // the sample has no photos
    const QByteArray jpeg = storeGreyPhoto(1);
    ASSERT_TRUE(isJpeg(jpeg));
    EXPECT_EQ(
        db().scalar(QStringLiteral("select typeof(photo) from tb_cadre where CadreID=1")).value(),
        QVariant(QStringLiteral("blob")));
    const auto read = cadre::readPhoto(dm, 1);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(*read, jpeg);
    const QImage decoded = cadre::decodePhoto(*read);
    EXPECT_EQ(decoded.size(), QSize(240, 300));
    const QColor centre = decoded.pixelColor(120, 150);
    EXPECT_NEAR(centre.red(), QColor(Qt::gray).red(), 3);
    // Only the cadre written to changes.
    EXPECT_TRUE(storedPhoto(2).isNull());
    EXPECT_EQ(cadre::readPhoto(dm, 99999).failure().message, cadre::kCadreMissing);
}

TEST_F(PhotoData, ClearingStoresNull) {
    storeGreyPhoto(1);
    ASSERT_TRUE(cadre::clearPhoto(dm, 1));
    EXPECT_TRUE(storedPhoto(1).isNull());
    EXPECT_EQ(count(QStringLiteral("tb_cadre"), QStringLiteral("CadreID=1 and photo is null")), 1);
    EXPECT_EQ(cadre::readPhoto(dm, 1).value(), QByteArray());
}

TEST_F(PhotoData, CorruptBytesAndMissingCadresWriteNothing) {
    const QByteArray jpeg = storeGreyPhoto(1);
    const Result<void> corrupt = cadre::writePhoto(dm, 1, QByteArrayLiteral("\xFF\xD8garbage"));
    EXPECT_FALSE(corrupt);
    EXPECT_FALSE(corrupt.errorText().isEmpty());
    EXPECT_EQ(storedPhoto(1).toByteArray(), jpeg);

    const Result<void> nobody = cadre::writePhoto(dm, 99999, jpeg);
    EXPECT_FALSE(nobody);
    EXPECT_FALSE(nobody.errorText().isEmpty());
    EXPECT_EQ(count(QStringLiteral("tb_cadre"), QStringLiteral("photo is not null")), 1);
}

TEST_F(PhotoData, ExportWritesAReadableFileInTheFormatOfItsName) {
    const QImage picture = cadre::scalePhoto(filled(600, 300, Qt::red));
    struct Case {
        const char* name;
        QByteArray format;
    };
    for (const Case& c :
         {Case{"刘成.bmp", "bmp"}, Case{"刘成.jpg", "jpeg"}, Case{"刘成.png", "png"}}) {
        SCOPED_TRACE(c.name);
        const QString path = file(QString::fromUtf8(c.name));
        const Result<void> exported = cadre::exportPhoto(picture, path);
        ASSERT_TRUE(exported) << exported.errorText().toStdString();
        QImageReader reader(path);
        EXPECT_EQ(reader.format(), c.format);
        const QImage back = reader.read();
        EXPECT_EQ(back.size(), QSize(240, 120));
        EXPECT_NEAR(back.pixelColor(10, 10).red(), 255, 3);
    }
}

TEST_F(PhotoData, FailedExportLeavesNoFile) {
    const QString path = file(QStringLiteral("no/such/folder/x.bmp"));
    const Result<void> unwritable = cadre::exportPhoto(filled(10, 10, Qt::red), path);
    EXPECT_FALSE(unwritable);
    EXPECT_FALSE(unwritable.errorText().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(path));

    const Result<void> empty = cadre::exportPhoto(QImage(), file(QStringLiteral("empty.bmp")));
    EXPECT_FALSE(empty);
    EXPECT_FALSE(empty.errorText().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(file(QStringLiteral("empty.bmp"))));
}

// ---- the dialog ------------------------------------------------------------------------------

template <class Widget>
Widget* child(QWidget& parent, const char* name) {
    auto* widget = parent.findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void click(QWidget& dialog, const char* button) {
    child<QPushButton>(dialog, button)->click();
}

// A chooser that answers `path` and remembers what it was asked.
struct ChooserCall {
    QString caption;
    QString proposal;
    QString filter;
    int calls = 0;
};
TPhotoForm::FileChooser answering(const QString& path, ChooserCall& call) {
    return [path, &call](QWidget*, const QString& caption, const QString& proposal,
                         const QString& filter) {
        call = {caption, proposal, filter, call.calls + 1};
        return path;
    };
}

TEST_F(PhotoData, DialogShowsTheStoredPhotoAndItsButtons) {
    const QByteArray jpeg = storeGreyPhoto(1);
    TPhotoForm dialog(jpeg, QStringLiteral("刘  成"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("照片设置"));
    EXPECT_EQ(child<QPushButton>(dialog, "btnImport")->text(), QStringLiteral("导 入"));
    EXPECT_EQ(child<QPushButton>(dialog, "btnExport")->text(), QStringLiteral("导 出"));
    EXPECT_EQ(child<QPushButton>(dialog, "btnClear")->text(), QStringLiteral("清 除"));
    EXPECT_EQ(child<QPushButton>(dialog, "btnOK")->text(), QStringLiteral("确 定"));
    EXPECT_EQ(child<QPushButton>(dialog, "btnCancel")->text(), QStringLiteral("取 消"));
    EXPECT_EQ(dialog.picture().size(), QSize(240, 300));
    EXPECT_FALSE(child<QLabel>(dialog, "imgPhoto")->pixmap().isNull());
    EXPECT_TRUE(child<QPushButton>(dialog, "btnExport")->isEnabled());

    TPhotoForm empty(QByteArray(), QStringLiteral("刘  成"));
    EXPECT_TRUE(empty.picture().isNull());
    EXPECT_TRUE(child<QLabel>(empty, "imgPhoto")->pixmap().isNull());
    EXPECT_FALSE(child<QPushButton>(empty, "btnExport")->isEnabled());
}

TEST_F(PhotoData, DialogImportsAScaledPictureAndGivesItAsJpeg) {
    const QString path =
        writePicture(QStringLiteral("wide.png"), filled(600, 300, QColor(0, 0, 200)));
    TPhotoForm dialog(QByteArray(), QStringLiteral("刘  成"));
    ChooserCall call;
    dialog.setOpenFileChooser(answering(path, call));
    click(dialog, "btnImport");
    EXPECT_EQ(call.calls, 1);
    EXPECT_TRUE(call.filter.contains(QStringLiteral("*.jpg")));
    EXPECT_TRUE(call.filter.contains(QStringLiteral("*.jpeg")));
    EXPECT_TRUE(call.filter.contains(QStringLiteral("*.bmp")));
    EXPECT_TRUE(call.filter.contains(QStringLiteral("*.png")));
    EXPECT_EQ(dialog.picture().size(), QSize(240, 120));
    EXPECT_TRUE(child<QPushButton>(dialog, "btnExport")->isEnabled());

    click(dialog, "btnOK");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.changed());
    ASSERT_TRUE(isJpeg(dialog.photo()));
    EXPECT_EQ(cadre::decodePhoto(dialog.photo()).size(), QSize(240, 120));
    EXPECT_TRUE(messages.texts().isEmpty());
    // The dialog itself writes nothing.
    EXPECT_EQ(count(QStringLiteral("tb_cadre"), QStringLiteral("photo is not null")), 0);
}

TEST_F(PhotoData, DialogRefusesAnUnreadableFileAndKeepsThePicture) {
    const QByteArray jpeg = storeGreyPhoto(1);
    const QString broken = writeBytes(QStringLiteral("broken.bmp"), "BM nonsense");
    TPhotoForm dialog(jpeg, QStringLiteral("刘  成"));
    ChooserCall call;
    dialog.setOpenFileChooser(answering(broken, call));
    click(dialog, "btnImport");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, RecordingMessageService::Shown::Kind::Error);
    EXPECT_TRUE(messages.shown()[0].text.contains(QStringLiteral("broken.bmp")));
    EXPECT_EQ(dialog.picture().size(), QSize(240, 300));
    click(dialog, "btnOK");
    EXPECT_FALSE(dialog.changed());
    EXPECT_EQ(dialog.photo(), jpeg);
}

TEST_F(PhotoData, DialogCancelledChooserChangesNothing) {
    const QByteArray jpeg = storeGreyPhoto(1);
    TPhotoForm dialog(jpeg, QStringLiteral("刘  成"));
    ChooserCall call;
    dialog.setOpenFileChooser(answering(QString(), call));
    click(dialog, "btnImport");
    EXPECT_EQ(call.calls, 1);
    click(dialog, "btnOK");
    EXPECT_FALSE(dialog.changed());
    EXPECT_EQ(dialog.photo(), jpeg);  // byte for byte, not encoded again
}

TEST_F(PhotoData, DialogClearsThePhoto) {
    const QByteArray jpeg = storeGreyPhoto(1);
    TPhotoForm dialog(jpeg, QStringLiteral("刘  成"));
    click(dialog, "btnClear");
    EXPECT_TRUE(dialog.picture().isNull());
    EXPECT_TRUE(child<QLabel>(dialog, "imgPhoto")->pixmap().isNull());
    EXPECT_FALSE(child<QPushButton>(dialog, "btnExport")->isEnabled());
    click(dialog, "btnOK");
    EXPECT_TRUE(dialog.changed());
    EXPECT_TRUE(dialog.photo().isEmpty());
}

TEST_F(PhotoData, DialogCancelKeepsTheOpeningValue) {
    const QByteArray jpeg = storeGreyPhoto(1);
    TPhotoForm dialog(jpeg, QStringLiteral("刘  成"));
    click(dialog, "btnClear");
    click(dialog, "btnCancel");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.changed());
    EXPECT_EQ(dialog.photo(), jpeg);
}

TEST_F(PhotoData, DialogExportsTheShownPictureUnderTheCadresName) {
    const QByteArray jpeg = storeGreyPhoto(1);
    TPhotoForm dialog(jpeg, QStringLiteral("刘成"));
    const QString target = file(QStringLiteral("exported.bmp"));
    ChooserCall call;
    dialog.setSaveFileChooser(answering(target, call));
    click(dialog, "btnExport");
    EXPECT_EQ(call.calls, 1);
    EXPECT_EQ(QFileInfo(call.proposal).fileName(), QStringLiteral("刘成.bmp"));
    EXPECT_TRUE(call.filter.contains(QStringLiteral("*.bmp")));
    QImageReader reader(target);
    EXPECT_EQ(reader.format(), QByteArray("bmp"));
    EXPECT_EQ(reader.read().size(), QSize(240, 300));
    EXPECT_TRUE(messages.texts().isEmpty());

    dialog.setSaveFileChooser(answering(file(QStringLiteral("no/folder/x.bmp")), call));
    click(dialog, "btnExport");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, RecordingMessageService::Shown::Kind::Error);
}

// ---- the editor's photo box ------------------------------------------------------------------

TEST_F(PhotoData, BoxShowsTheStoredPhotoAndOpensTheDialogOnlyWhenEditable) {
    storeGreyPhoto(1);
    PhotoBox box;
    box.show();
    box.showCadre(dm, 1);
    EXPECT_EQ(box.picture().size(), QSize(240, 300));
    EXPECT_FALSE(box.isModified());
    box.showCadre(dm, 2);
    EXPECT_TRUE(box.picture().isNull());
    box.showCadre(dm, 1);

    {
        ModalAnswer<TPhotoForm> answer([](TPhotoForm* d) { d->reject(); });
        QTest::mouseDClick(&box, Qt::LeftButton);
        QTest::qWait(30);
        EXPECT_FALSE(answer.seen());
    }
    box.setEditable(true);
    ModalAnswer<TPhotoForm> answer([](TPhotoForm* d) { d->reject(); });
    QTest::mouseDClick(&box, Qt::LeftButton);
    EXPECT_TRUE(answer.seen());
    EXPECT_FALSE(box.isModified());
}

TEST_F(PhotoData, BoxKeepsAClearedPhotoPendingUntilTheRecordIsSaved) {
    const QByteArray jpeg = storeGreyPhoto(1);
    PhotoBox box;
    box.show();
    box.showCadre(dm, 1);
    box.setEditable(true);
    QSignalSpy changed(&box, &PhotoBox::photoChanged);
    ModalAnswer<TPhotoForm> answer([](TPhotoForm* d) {
        d->findChild<QPushButton*>(QStringLiteral("btnClear"))->click();
        d->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    });
    QTest::mouseDClick(&box, Qt::LeftButton);
    ASSERT_TRUE(answer.seen());
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(box.isModified());
    EXPECT_TRUE(box.picture().isNull());
    EXPECT_TRUE(box.pendingPhoto().isEmpty());
    EXPECT_EQ(storedPhoto(1).toByteArray(), jpeg);  // not yet written

    // The editor's save stores the pending value; shown again, the box is empty.
    ASSERT_TRUE(cadre::writePhoto(dm, 1, box.pendingPhoto()));
    box.showCadre(dm, 1);
    EXPECT_TRUE(box.picture().isNull());
    EXPECT_FALSE(box.isModified());
    EXPECT_TRUE(storedPhoto(1).isNull());
}

TEST_F(PhotoData, BoxTakesAnImportedPictureAndProposesTheCadresName) {
    const QString path = writePicture(QStringLiteral("tall.jpg"), filled(100, 500, Qt::yellow));
    PhotoBox box;
    box.show();
    box.showCadre(dm, 1);
    box.setEditable(true);
    QSignalSpy changed(&box, &PhotoBox::photoChanged);
    QString proposal;
    ModalAnswer<TPhotoForm> answer([&](TPhotoForm* d) {
        d->setOpenFileChooser(
            [path](QWidget*, const QString&, const QString&, const QString&) { return path; });
        d->findChild<QPushButton*>(QStringLiteral("btnImport"))->click();
        d->setSaveFileChooser(
            [&proposal](QWidget*, const QString&, const QString& proposed, const QString&) {
                proposal = proposed;
                return QString();
            });
        d->findChild<QPushButton*>(QStringLiteral("btnExport"))->click();
        d->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    });
    QTest::mouseDClick(&box, Qt::LeftButton);
    ASSERT_TRUE(answer.seen());
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(QFileInfo(proposal).fileName(),
              dm.LookUp(QStringLiteral("xm"), QStringLiteral("tb_cadre"), QStringLiteral("CadreID"),
                        QStringLiteral("1"))
                      .value() +
                  QStringLiteral(".bmp"));
    EXPECT_TRUE(isJpeg(box.pendingPhoto()));
    EXPECT_EQ(cadre::decodePhoto(box.pendingPhoto()).size(), QSize(60, 300));
    EXPECT_EQ(box.picture().size(), QSize(60, 300));

    box.clear();
    EXPECT_TRUE(box.picture().isNull());
    EXPECT_FALSE(box.isModified());
    EXPECT_TRUE(box.pendingPhoto().isEmpty());
}

}  // namespace
