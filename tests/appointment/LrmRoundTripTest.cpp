#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "PlanFixture.h"
#include "appointment/LrmExport.h"
#include "appointment/LrmImport.h"
#include "cadre/Photo.h"

namespace {

using namespace appointment;

// The columns an ".lrm" file carries; an ".lrmx" file carries zzmm and zjh as well. The birth is
// carried as its month (csnyStr); the day of the stored date csny is not.
const QStringList kLrmColumns = {
    "xm",      "xb",   "csnyStr", "mz",     "jgsheng", "rdsjStr", "rdsj",    "jkzk",   "cssheng",
    "gzsjStr", "gzsj", "qrzxl",   "qrzxw",  "zzxl",    "zzxw",    "qrzxxzy", "zzxxzy", "zyjszw",
    "zytc",    "gzjl", "jcNote",  "khNote", "xrz",     "gxl",     "gxlxx",   "py"};

QByteArray picture(const QSize& size, const char* format) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkRed);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

class LrmRoundTripTest : public PlanFixture {
  protected:
    // Every serving cadre's values of `columns` and family, keyed by name.
    static QMap<QString, QStringList> contents(db::Database& db, const QStringList& columns) {
        QMap<QString, QStringList> byName;
        const auto cadres = db.query(QStringLiteral("select CadreID,") + columns.join(u',') +
                                     QStringLiteral(" from tb_cadre where classid=0"));
        for (const QVariantList& row : cadres->rows) {
            QStringList values;
            for (qsizetype c = 1; c < row.size(); ++c) {
                values << row[c].toString();
            }
            const auto family = db.query(
                QStringLiteral("select cw,xm,cssjStr,zzmm,dw from tb_family where CadreID=? "
                               "order by ford"),
                {row[0]});
            for (const QVariantList& member : family->rows) {
                for (const QVariant& cell : member) {
                    values << cell.toString();
                }
            }
            const QImage photo = cadre::decodePhoto(
                db.scalar(QStringLiteral("select photo from tb_cadre where CadreID=?"), {row[0]})
                    ->toByteArray());
            values << QStringLiteral("%1x%2").arg(photo.width()).arg(photo.height());
            byName.insert(row[1].toString(), values);
        }
        return byName;
    }
};

// Every sample cadre written to a file and read into an empty database comes back with every
// value its format carries.
TEST_F(LrmRoundTripTest, SampleCadresComeBackWithEveryValueTheFormatCarries) {
    const QByteArray sameSize = picture({240, 200}, "JPEG");
    ASSERT_TRUE(cadre::writePhoto(dm, 1, sameSize));
    ASSERT_TRUE(cadre::writePhoto(dm, 2, picture({480, 600}, "JPEG")));
    ASSERT_TRUE(cadre::writePhoto(dm, 3, picture({100, 50}, "PNG")));
    ASSERT_TRUE(
        db().exec(QStringLiteral("update tb_cadre set zjh='110101196801190011' where "
                                 "CadreID=4")));
    const auto ids = db().query(QStringLiteral("select CadreID from tb_cadre where classid=0"));
    QList<int> cadres;
    for (const QVariantList& row : ids->rows) {
        cadres << row[0].toInt();
    }
    ASSERT_GE(cadres.size(), 50);

    struct Case {
        LrmFormat format;
        QStringList columns;
    };
    const Case cases[] = {{LrmFormat::Lrm, kLrmColumns},
                          {LrmFormat::Lrmx, kLrmColumns + QStringList({"zzmm", "zjh"})}};
    for (const Case& c : cases) {
        QTemporaryDir folder;
        const Result<BatchFiles> files =
            batchLrmFiles(db(), cadres, false, folder.path(), c.format, {});
        ASSERT_TRUE(files) << files.errorText();
        ASSERT_EQ(files->written.size(), cadres.size());

        const QString target = QDir(home.path()).filePath(QStringLiteral("target.db"));
        QFile::remove(target);
        ASSERT_TRUE(QFile::copy(QDir(home.dbDir()).filePath(QStringLiteral("Empty.db")), target));
        TDataM empty(home.path());
        ASSERT_TRUE(empty.db().open(target));
        for (const char* table : {"tb_cadre", "tb_family", "tb_cadre_node", "tb_cadre_zw"}) {
            ASSERT_TRUE(
                empty.db().exec(QStringLiteral("delete from ") + QString::fromLatin1(table)));
        }
        const Result<LrmImportReport> report = importLrmFiles(
            empty, lrmFilesOfFolder(folder.path()), LrmImportOptions{}, folder.path());
        ASSERT_TRUE(report) << report.errorText();
        EXPECT_EQ(report->count, cadres.size()) << report->log.join(u'\n');

        QMap<QString, QStringList> expected = contents(db(), c.columns);
        // Photos are scaled to the editor's size on import.
        expected[QStringLiteral("何  国")].last() = QStringLiteral("240x300");
        expected[QStringLiteral("宋  娟")].last() = QStringLiteral("240x120");
        const QMap<QString, QStringList> imported = contents(empty.db(), c.columns);
        ASSERT_EQ(imported.keys(), expected.keys());
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            EXPECT_EQ(imported.value(it.key()), it.value()) << it.key();
        }
        EXPECT_EQ(empty.db()
                      .scalar(QStringLiteral("select photo from tb_cadre where xm='刘  成'"))
                      ->toByteArray(),
                  sameSize);
    }
}

TEST_F(LrmRoundTripTest, CadresOfTheSameNameGetAFileEach) {
    const QList<int> cadres = {addCadre(QStringLiteral("王  五")),
                               addCadre(QStringLiteral("王  五")),
                               addCadre(QStringLiteral("王  五"))};
    QTemporaryDir folder;
    const Result<BatchFiles> files =
        batchLrmFiles(db(), cadres, false, folder.path(), LrmFormat::Lrm, {});
    ASSERT_TRUE(files) << files.errorText();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files, QDir::Name),
              QStringList({"王  五(2).lrm", "王  五(3).lrm", "王  五.lrm"}));
}

// A plan line is written from the line's own copy, with its texts in 26–29 and the plan's
// dates and maker in 30–32.
TEST_F(LrmRoundTripTest, APlanLineCarriesItsOwnTextsAndThePlansDates) {
    const int cadre = addCadre(QStringLiteral("郑  一"));
    addFamily(cadre, 2);
    appointment::PlanHeader header;
    header.name = QStringLiteral("方案");
    header.tbsj = QDate(2024, 6, 30);
    header.jssj = QDate(2024, 5, 1);
    header.tbr = QStringLiteral("制表人");
    const int plan = appointment::savePlan(db(), header).value();
    ASSERT_TRUE(appointment::addCadres(db(), plan, {cadre}));
    const int line = lineId(plan, 1);
    ASSERT_TRUE(db().exec(
        QStringLiteral("update tb_rmmc_detail set nrz='拟任某职',nmz='拟免某职',"
                       "rmNote='工作需要',cbdw='某单位',xb='女',qrzxxzy='方案中的院校' where id=?"),
        {line}));
    const Result<std::optional<LrmRecord>> record = lrmRecordOfLine(db(), line);
    ASSERT_TRUE(record && *record);
    const QStringList values = (*record)->values;
    EXPECT_EQ(values.at(kLrmSex), QStringLiteral("女"));
    EXPECT_EQ(
        values.mid(kLrmProposedPost, 7),
        QStringList({"拟任某职", "拟免某职", "工作需要", "某单位", "202405", "制表人", "202406"}));
    EXPECT_EQ(values.at(kLrmFamilyName), QStringLiteral("成员1@成员2@@"));
    EXPECT_EQ(values.at(kLrmFamilyBirth), QStringLiteral("199001@199002@@"));
    EXPECT_EQ(values.at(kLrmEducation), QStringLiteral("大学#@#"));
    EXPECT_EQ(values.at(kLrmSchools), QStringLiteral("方案中的院校@"));
    EXPECT_EQ(lrmRecordOfLine(db(), line + 1000)->has_value(), false);
}

}  // namespace
