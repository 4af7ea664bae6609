#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRandomGenerator>

#include "app/DataModule.h"
#include "cadre/Photo.h"
#include "db/Database.h"
#include "exchange/PackageReceive.h"
#include "exchange/ReportPackage.h"
#include "schema/PackageInfo.h"
#include "schema/SchemaVersion.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

namespace {

using namespace Qt::StringLiterals;

// A value as text for comparing rows; pictures as hex.
QString shown(const QVariant& value) {
    if (value.typeId() == QMetaType::QByteArray) {
        return QString::fromLatin1(value.toByteArray().toHex());
    }
    return db::displayText(value);
}

// The rows of `sql` as sorted texts "column=value;...", leaving out the columns `dropped`.
QStringList rowTexts(db::Database& db, const QString& sql, const QStringList& dropped = {}) {
    QStringList out;
    const auto rows = db.query(sql);
    if (!rows) {
        ADD_FAILURE() << db.lastError();
        return out;
    }
    for (const QVariantList& row : rows->rows) {
        QStringList cells;
        for (int c = 0; c < rows->columns.size(); ++c) {
            if (!dropped.contains(rows->columns[c], Qt::CaseInsensitive)) {
                cells << rows->columns[c].toLower() + u'=' + shown(row[c]);
            }
        }
        out << cells.join(u';');
    }
    out.sort();
    return out;
}

// What a package carries of each cadre, with every record named by its cadre's name and birth
// month instead of a key: cadres, family members, training (class attendances taken as records
// of their own), assessments (without the sender's unit) and the cadre's rewards.
QMap<QString, QStringList> carried(db::Database& db) {
    const QString owner =
        u"(select xm||'/'||coalesce(csnyStr,'') from tb_cadre c where c.CadreID="_s;
    const QString training = u"pxName,pxTimeB,pxTimeE,pxks,pxjg,pxType,pxType1,pxMethod"_s;
    QMap<QString, QStringList> out;
    out[u"tb_cadre"_s] =
        rowTexts(db, u"select * from tb_cadre"_s, {u"CadreID"_s, u"checked"_s, u"revState"_s});
    out[u"tb_family"_s] =
        rowTexts(db, u"select f.*, "_s + owner + u"f.CadreID) as owner from tb_family f"_s,
                 {u"FamilyID"_s, u"CadreID"_s});
    QString trainingSql =
        u"select "_s + training + u", "_s + owner + u"t.CadreID) as owner from tb_pxCadre2 t"_s;
    if (db.scalar(u"select count(*) from tb_pxCadre"_s)->toInt() > 0) {
        trainingSql +=
            u" union all select b.pxName,b.pxTimeB,b.pxTimeE,b.pxks,b.pxjg,b.pxType,"
            u"b.pxType1,b.pxMethod, "_s +
            owner + u"a.CadreID) from tb_pxCadre a inner join tb_px b on a.pxid=b.pxid"_s;
    }
    out[u"training"_s] = rowTexts(db, trainingSql);
    out[u"tb_kc"_s] = rowTexts(db, u"select k.*, "_s + owner + u"k.cid) as owner from tb_kc k"_s,
                               {u"id"_s, u"cid"_s, u"dwid"_s});
    out[u"tb_jc"_s] =
        rowTexts(db, u"select j.*, "_s + owner + u"j.cid) as owner from tb_jc j where dxType=0"_s,
                 {u"id"_s, u"cid"_s});
    return out;
}

QByteArray fileDigest(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// The sample organisation as sender, with records of every kind the package carries: two sons
// of one cadre, a class attendance and a training record outside the classes, a photo, and a
// reward of a unit (not a cadre's, so not carried). The receiver is a second working database
// of the same program whose cadres have all gone.
class ReportPackage : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(sender.db().open(home.makeWorkingDatabase())) << sender.db().lastError();
        receiverPath = QDir(home.dbDir()).filePath(u"Receiver.db"_s);
        ASSERT_TRUE(QFile::copy(QDir(home.dbDir()).filePath(u"Empty.db"_s), receiverPath));
        ASSERT_TRUE(receiver.db().open(receiverPath)) << receiver.db().lastError();
        for (const char* table : {"tb_cadre", "tb_family", "tb_cadre_zw", "tb_cadre_node", "tb_kc",
                                  "tb_jc", "tb_pxCadre", "tb_pxCadre2"}) {
            run(receiver.db(), u"delete * from "_s + QString::fromLatin1(table));
        }
        run(sender.db(),
            u"insert into tb_family (CadreID,cw,xm,zzmm) values (2,'儿子','何一','群众')"_s);
        run(sender.db(),
            u"insert into tb_family (CadreID,cw,xm,zzmm) values (2,'儿子','何二','团员')"_s);
        run(sender.db(),
            u"insert into tb_px (pxid,pxName,pxTimeB,pxTimeE,pxks,pxjg) values "
            u"(5,'中青班',#2015-03-01#,#2015-07-01#,120,'市委党校')"_s);
        run(sender.db(), u"insert into tb_pxCadre (pxid,CadreID,CName) values (5,3,'宋  娟')"_s);
        run(sender.db(),
            u"insert into tb_pxCadre2 (CadreID,pxName,pxTimeB) values (3,'网络学院',#2016-01-01#)"_s);
        ASSERT_TRUE(sender.db().exec(u"update tb_cadre set photo=? where CadreID=1"_s,
                                     {picture(Qt::darkGreen)}))
            << sender.db().lastError();
        run(sender.db(), u"insert into tb_jc (cid,dxType,jcmc) values (1,2,'集体嘉奖')"_s);
        ASSERT_TRUE(exchange::writeReportPackage(sender.db(), sendTemplate(), package(),
                                                 allCadres(), {}, QDate(2024, 5, 6)));
    }

    // The JPEG bytes of a small picture of one colour.
    static QByteArray picture(Qt::GlobalColor colour) {
        QImage image(24, 30, QImage::Format_RGB32);
        image.fill(colour);
        return cadre::encodePhoto(image);
    }

    static void run(db::Database& db, const QString& sql) {
        ASSERT_TRUE(db.exec(sql)) << db.lastError();
    }

    QString sendTemplate() const { return QDir(home.dbDir()).filePath(u"Send.db"_s); }
    QString package() const { return QDir(home.path()).filePath(u"上报.sdb"_s); }

    QList<int> allCadres() {
        QList<int> ids;
        const auto rows = sender.db().query(u"select CadreID from tb_cadre order by CadreID"_s);
        for (const QVariantList& row : rows->rows) {
            ids << row[0].toInt();
        }
        return ids;
    }

    QList<int> packageIds(const exchange::PackageReview& review) {
        QList<int> ids;
        for (const exchange::PackageCadre& cadre : review.cadres) {
            ids << cadre.packageId;
        }
        return ids;
    }

    Result<exchange::ReceiveCount> receiveAll(int unitId = 0,
                                              const exchange::ReceiveContent& content = {}) {
        const Result<exchange::PackageReview> review =
            exchange::reviewPackage(receiver.db(), package());
        if (!review) {
            return review.failure();
        }
        return exchange::receivePackage(receiver, package(), packageIds(*review), content, unitId);
    }

    int count(db::Database& db, const QString& sql) { return db.scalar(sql)->toInt(); }

    TestHome home;
    TDataM sender{home.path()};
    TDataM receiver{home.path()};
    QString receiverPath;
};

TEST_F(ReportPackage, TheWholeOrganisationArrivesEqualAndASecondReceiveDuplicatesNothing) {
    const QMap<QString, QStringList> sent = carried(sender.db());
    ASSERT_EQ(sent[u"tb_cadre"_s].size(), 60);
    ASSERT_EQ(sent[u"training"_s].size(), 2);

    const Result<exchange::ReceiveCount> first = receiveAll(8);
    ASSERT_TRUE(first) << first.errorText();
    EXPECT_EQ(first->added, 60);
    EXPECT_EQ(first->updated, 0);
    EXPECT_EQ(carried(receiver.db()), sent);
    // Every received cadre joined the chosen unit once, in the order of the package.
    EXPECT_EQ(count(receiver.db(), u"select count(*) from tb_cadre_node where dwID=8"_s), 60);
    EXPECT_EQ(count(receiver.db(), u"select max(zwOrder) from tb_cadre_node where dwID=8"_s), 60);
    // Posts held are not received.
    EXPECT_EQ(count(receiver.db(), u"select count(*) from tb_cadre_zw"_s), 0);

    const Result<exchange::PackageReview> again = exchange::reviewPackage(receiver.db(), package());
    ASSERT_TRUE(again) << again.errorText();
    for (const exchange::PackageCadre& cadre : again->cadres) {
        EXPECT_TRUE(cadre.existing) << cadre.name;
    }
    const Result<exchange::ReceiveCount> second = receiveAll(8);
    ASSERT_TRUE(second) << second.errorText();
    EXPECT_EQ(second->added, 0);
    EXPECT_EQ(second->updated, 60);
    EXPECT_EQ(carried(receiver.db()), sent);
    EXPECT_EQ(count(receiver.db(), u"select count(*) from tb_cadre_node"_s), 60);
}

TEST_F(ReportPackage, ThePackageSaysWhereItCameFromAndKeepsNoReviewMarks) {
    const Result<exchange::PackageOrigin> origin = exchange::checkPackage(package());
    ASSERT_TRUE(origin) << origin.errorText();
    EXPECT_EQ(origin->sender, u"某市委组织部"_s);
    EXPECT_EQ(origin->sentOn, QDate(2024, 5, 6));
    EXPECT_DOUBLE_EQ(origin->version, schema::kSchemaVersion);

    run(sender.db(), u"update tb_cadre set checked=True"_s);
    const QString second = QDir(home.path()).filePath(u"second.sdb"_s);
    exchange::PackageContent content;
    content.photo = false;
    content.family = false;
    // A cadre listed twice is written once.
    ASSERT_TRUE(exchange::writeReportPackage(sender.db(), sendTemplate(), second, {3, 1, 3},
                                             content, QDate(2024, 5, 7)));
    db::Database written;
    ASSERT_TRUE(written.open(second));
    EXPECT_EQ(rowTexts(written, u"select CadreID, checked, revState, photo from tb_cadre"_s),
              (QStringList{u"cadreid=1;checked=False;revstate=;photo="_s,
                           u"cadreid=3;checked=False;revstate=;photo="_s}));
    EXPECT_EQ(count(written, u"select count(*) from tb_family"_s), 0);
    EXPECT_GT(count(written, u"select count(*) from tb_kc"_s), 0);

    // The proposed folder, TEMP of a new data folder, is made when it does not exist yet.
    const QString inNewFolder = QDir(home.path()).filePath(u"TEMP/新文件夹/报送.sdb"_s);
    ASSERT_TRUE(exchange::writeReportPackage(sender.db(), sendTemplate(), inNewFolder, {1}, {},
                                             QDate(2024, 5, 7)));
    EXPECT_TRUE(exchange::checkPackage(inNewFolder));

    // An empty list makes a package without cadres.
    ASSERT_TRUE(exchange::writeReportPackage(sender.db(), sendTemplate(), second, {}, {},
                                             QDate(2024, 5, 7)));
    db::Database empty;
    ASSERT_TRUE(empty.open(second));
    EXPECT_EQ(count(empty, u"select count(*) from tb_cadre"_s), 0);
    EXPECT_EQ(count(empty, u"select count(*) from tb_sendInfo"_s), 1);
}

TEST_F(ReportPackage, AFailedReportLeavesTheFileItWasToReplaceAsItWas) {
    // A template whose assessments refuse every row makes the writing fail half way.
    const QString brokenTemplate = QDir(home.path()).filePath(u"broken.db"_s);
    ASSERT_TRUE(QFile::copy(sendTemplate(), brokenTemplate));
    {
        db::Database broken;
        ASSERT_TRUE(broken.open(brokenTemplate));
        ASSERT_TRUE(broken.execNative(
            u"CREATE TRIGGER refuse BEFORE INSERT ON tb_kc BEGIN SELECT RAISE(ABORT,'拒绝'); END"_s));
    }
    const QByteArray before = fileDigest(package());
    const Result<void> written = exchange::writeReportPackage(
        sender.db(), brokenTemplate, package(), allCadres(), {}, QDate(2024, 5, 7));
    ASSERT_FALSE(written);
    EXPECT_TRUE(written.errorText().contains(u"拒绝"_s)) << written.errorText();
    EXPECT_EQ(fileDigest(package()), before);
    EXPECT_EQ(QDir(home.path()).entryList({u"*.tmp"_s}, QDir::Files), QStringList{});

    EXPECT_EQ(exchange::writeReportPackage(sender.db(), sendTemplate(), QString(), {1}, {}, {})
                  .errorText(),
              exchange::kNoPackageName);
    EXPECT_EQ(
        exchange::writeReportPackage(sender.db(), brokenTemplate + u"x"_s, package(), {1}, {}, {})
            .errorText(),
        exchange::kPackageTemplateMissing);
}

// The matching rules of the merge, on a receiver that already knows some of the cadres.
TEST_F(ReportPackage, MergingUpdatesTheMatchingRecordsAndTouchesNothingElse) {
    run(receiver.db(),
        u"insert into tb_cadre (CadreID,xm,csnyStr,tel,rdsjStr) values (500,'刘  成','','0551-1',"
        u"'1900.01')"_s);
    run(receiver.db(),
        u"insert into tb_cadre (CadreID,xm,csnyStr) values (501,'何  国','1950.01')"_s);
    run(receiver.db(),
        u"insert into tb_cadre (CadreID,xm,csnyStr,tel) values (502,'宋  娟','1968.01','旧')"_s);
    run(receiver.db(),
        u"insert into tb_family (CadreID,cw,xm,dw) values (500,'妻子','某','旧单位')"_s);
    run(receiver.db(),
        u"insert into tb_jc (cid,dxType,jcmc,jcsj) values (500,2,'单位奖',#2019-01-01#)"_s);
    run(sender.db(),
        u"update tb_cadre set csnyStr='1968-01', tel=NULL, rdsjStr=NULL where CadreID=1"_s);
    run(sender.db(),
        u"insert into tb_jc (cid,dxType,jcmc,jcsj) values (1,0,'嘉奖',#2019-01-01#)"_s);
    ASSERT_TRUE(exchange::writeReportPackage(sender.db(), sendTemplate(), package(), {1, 2}, {},
                                             QDate(2024, 5, 7)));

    const Result<exchange::PackageReview> review =
        exchange::reviewPackage(receiver.db(), package());
    ASSERT_TRUE(review) << review.errorText();
    ASSERT_EQ(review->cadres.size(), 2);
    EXPECT_TRUE(review->cadres[0].existing);  // an empty local birth month matches
    EXPECT_EQ(review->cadres[0].birth, u"1968.01"_s);
    EXPECT_FALSE(review->cadres[1].existing);  // another birth month is another person

    const int familyOf1 = count(sender.db(), u"select count(*) from tb_family where CadreID=1"_s);
    const Result<exchange::ReceiveCount> merged =
        exchange::receivePackage(receiver, package(), {1}, {}, 0);
    ASSERT_TRUE(merged) << merged.errorText();
    EXPECT_EQ(merged->updated, 1);
    const auto local = receiver.db().query(
        u"select xm, csnyStr, tel, rdsjStr, zzmm from tb_cadre where CadreID=500"_s);
    ASSERT_TRUE(local && local->rows.size() == 1u);
    EXPECT_EQ(local->rows[0][1].toString(), u"1968.01"_s);  // received form, and filled in
    EXPECT_EQ(local->rows[0][2].toString(), u"0551-1"_s);   // a NULL erases nothing...
    EXPECT_TRUE(local->rows[0][3].isNull());                // ...but in the month texts
    EXPECT_EQ(local->rows[0][4].toString(), u"中共党员"_s);
    // The local wife keeps her row if the package has none of that relation and name; the
    // package's family members are added beside her.
    EXPECT_EQ(count(receiver.db(), u"select count(*) from tb_family where CadreID=500"_s),
              familyOf1 + 1);
    // The unit's reward of the same day is not the cadre's.
    EXPECT_EQ(rowTexts(receiver.db(), u"select dxType, jcmc from tb_jc where cid=500"_s),
              (QStringList{u"dxtype=0;jcmc=嘉奖"_s, u"dxtype=2;jcmc=单位奖"_s}));
    // Cadres not chosen are not touched, nor added.
    EXPECT_EQ(count(receiver.db(), u"select count(*) from tb_cadre"_s), 3);
    EXPECT_EQ(receiver.db().scalar(u"select tel from tb_cadre where CadreID=502"_s)->toString(),
              u"旧"_s);
    EXPECT_EQ(count(receiver.db(),
                    u"select count(*) from tb_cadre where CadreID=501 and "
                    u"csnyStr='1950.01'"_s),
              1);
}

// Every kind of record merged into a matching local one: the package's values replace the local
// ones, its NULLs erase nothing.
TEST_F(ReportPackage, ARecordsNullsKeepTheLocalValuesOfEveryKind) {
    struct Case {
        const char* kind;
        QString local;     // the local record of cadre 500
        QString sent;      // the sender's record of cadre 1, matching it
        QString read;      // the local record after the merge
        QString expected;  // as rowTexts shows it
    };
    const Case cases[] = {
        {"family",
         u"insert into tb_family (CadreID,cw,xm,dw,cssjStr,cssj,zzmm) values "
         u"(500,'妻子','李四','某局','1970.01',#1970-01-01#,'中共党员')"_s,
         u"insert into tb_family (CadreID,cw,xm,zzmm) values (1,'妻子','李四','群众')"_s,
         u"select cw,xm,dw,cssjStr,cssj,zzmm from tb_family where CadreID=500 and xm='李四'"_s,
         u"cw=妻子;xm=李四;dw=某局;cssjstr=1970.01;cssj=1970-01-01;zzmm=群众"_s},
        {"training",
         u"insert into tb_pxCadre2 (CadreID,pxName,pxTimeB,pxTimeE,pxks,pxjg) values "
         u"(500,'旧名',#2020-03-01#,#2020-04-01#,30,'市委党校')"_s,
         u"insert into tb_pxCadre2 (CadreID,pxName,pxTimeB) values (1,'新名',#2020-03-01#)"_s,
         u"select pxName,pxTimeE,pxks,pxjg from tb_pxCadre2 where CadreID=500 and "
         u"pxTimeB=#2020-03-01#"_s,
         u"pxname=新名;pxtimee=2020-04-01;pxks=30;pxjg=市委党校"_s},
        {"assessment",
         u"insert into tb_kc (cid,kcsj,kcName,kcjl,kcyj) values "
         u"(500,#2021-06-30#,'年度考核','优秀','意见')"_s,
         u"insert into tb_kc (cid,kcsj,kcjl) values (1,#2021-06-30#,'称职')"_s,
         u"select kcName,kcjl,kcyj from tb_kc where cid=500 and kcsj=#2021-06-30#"_s,
         u"kcname=年度考核;kcjl=称职;kcyj=意见"_s},
        {"reward",
         u"insert into tb_jc (cid,dxType,jcsj,jcmc,jcyy,jcjg) values "
         u"(500,0,#2022-02-02#,'嘉奖','表现突出','市委')"_s,
         u"insert into tb_jc (cid,dxType,jcsj,jcmc) values (1,0,#2022-02-02#,'记功')"_s,
         u"select jcmc,jcyy,jcjg from tb_jc where cid=500 and jcsj=#2022-02-02#"_s,
         u"jcmc=记功;jcyy=表现突出;jcjg=市委"_s},
    };
    run(receiver.db(), u"insert into tb_cadre (CadreID,xm,csnyStr) values (500,'刘  成','')"_s);
    for (const Case& c : cases) {
        run(receiver.db(), c.local);
        run(sender.db(), c.sent);
    }
    ASSERT_TRUE(exchange::writeReportPackage(sender.db(), sendTemplate(), package(), {1}, {},
                                             QDate(2024, 5, 7)));
    const Result<exchange::ReceiveCount> merged =
        exchange::receivePackage(receiver, package(), {1}, {}, 0);
    ASSERT_TRUE(merged) << merged.errorText();
    ASSERT_EQ(merged->updated, 1);
    for (const Case& c : cases) {
        EXPECT_EQ(rowTexts(receiver.db(), c.read), QStringList{c.expected}) << c.kind;
    }
}

// A hostile but valid package: control characters in texts, a birth month that is none, texts
// longer than their columns and random bytes for photos. The values are stored as the editor
// would store them, a refused one leaves a local value as it was, and the report names each.
TEST_F(ReportPackage, ReceivedValuesPassTheChecksOfTypedOnesAndTheReportNamesEach) {
    const QByteArray localPhoto = picture(Qt::blue);
    run(receiver.db(), u"insert into tb_cadre (CadreID,xm,csnyStr) values (500,'刘  成','')"_s);
    ASSERT_TRUE(
        receiver.db().exec(u"update tb_cadre set photo=?, rdsjStr='1989.07' where "
                           u"CadreID=500"_s,
                           {localPhoto}));
    QRandomGenerator random(8);
    QByteArray noise(5000, Qt::Uninitialized);
    for (char& byte : noise) {
        byte = char(random.bounded(256));
    }
    const QString longId = QString(80, u'1');
    for (int cadreId : {1, 2}) {
        ASSERT_TRUE(sender.db().exec(
            u"update tb_cadre set tel=?, address=?, csnyStr=?, rdsjStr=?, zjh=?, gzjl=?, "
            u"photo=? where CadreID=?"_s,
            {u"0551\u001b-6\u00071"_s, u"合肥市\u007f长江路"_s, u"1970'.01"_s, u"1989-7"_s, longId,
             u"1990.07\u0007--1995.01 某局\r\n1995.01-- 某市"_s, noise, cadreId}))
            << sender.db().lastError();
    }
    run(sender.db(),
        u"insert into tb_family (CadreID,cw,xm,dw) values (1,'妻子','李四','某\u001b局')"_s);
    ASSERT_TRUE(exchange::writeReportPackage(sender.db(), sendTemplate(), package(), {1, 2}, {},
                                             QDate(2024, 5, 7)));

    const Result<exchange::PackageReview> review =
        exchange::reviewPackage(receiver.db(), package());
    ASSERT_TRUE(review) << review.errorText();
    ASSERT_EQ(review->cadres.size(), 2);
    EXPECT_TRUE(review->cadres[0].existing);  // no birth month matches only an empty one
    EXPECT_FALSE(review->cadres[1].existing);
    const Result<exchange::ReceiveCount> merged =
        exchange::receivePackage(receiver, package(), {1, 2}, {}, 0);
    ASSERT_TRUE(merged) << merged.errorText();
    ASSERT_EQ(merged->added, 1);
    ASSERT_EQ(merged->updated, 1);

    const auto rows = receiver.db().query(
        u"select CadreID, tel, address, csnyStr, rdsjStr, zjh, gzjl, photo from tb_cadre "
        u"order by CadreID"_s);
    ASSERT_TRUE(rows && rows->rows.size() == 2u);
    for (const QVariantList& row : rows->rows) {
        const bool local = row[0].toInt() == 500;
        SCOPED_TRACE(local ? "updated" : "added");
        EXPECT_EQ(row[1].toString(), u"0551-61"_s);
        EXPECT_EQ(row[2].toString(), u"合肥市长江路"_s);
        EXPECT_EQ(row[3].toString(), QString());  // refused: left empty, or kept empty
        EXPECT_EQ(row[4].toString(), u"1989.07"_s);
        EXPECT_EQ(row[5].toString(), QString(50, u'1'));
        EXPECT_EQ(row[6].toString(), u"1990.07--1995.01 某局\r\n1995.01-- 某市"_s);
        if (local) {
            EXPECT_EQ(row[7].toByteArray(), localPhoto);
        } else {
            EXPECT_TRUE(row[7].isNull());
        }
    }
    EXPECT_EQ(receiver.db().scalar(u"select dw from tb_family where xm='李四'"_s)->toString(),
              u"某局"_s);

    const QString report = exchange::receivedReport(*merged);
    for (const QString& named :
         {u"刘  成 联系电话"_s, u"刘  成 通讯地址"_s, u"刘  成 出生年月“1970'.01”"_s,
          u"刘  成 身份证号"_s, u"刘  成 简历"_s, u"刘  成 照片"_s,
          u"刘  成 家庭成员 工作单位及职务"_s, u"何  国 联系电话"_s, u"何  国 出生年月“1970'.01”"_s,
          u"何  国 照片"_s}) {
        EXPECT_TRUE(report.contains(named)) << named << "\n" << report;
    }
    // A month in another form of itself is no change worth a line.
    EXPECT_FALSE(report.contains(u"入党时间"_s)) << report;
}

TEST_F(ReportPackage, SonsOfTheSameRelationStayTwoAndAreRecognisedByName) {
    exchange::ReceiveContent familyOnly{true, false, false, false, false};
    ASSERT_TRUE(receiveAll(0, familyOnly));
    const QString sons =
        u"select xm, zzmm from tb_family where cw='儿子' and CadreID=(select "
        u"CadreID from tb_cadre where xm='何  国') order by xm"_s;
    EXPECT_EQ(
        rowTexts(receiver.db(), sons),
        (QStringList{u"xm=何一;zzmm=群众"_s, u"xm=何二;zzmm=团员"_s, u"xm=赵超春;zzmm=群众"_s}));
    EXPECT_EQ(count(receiver.db(), u"select count(*) from tb_kc"_s), 0);

    run(sender.db(), u"update tb_family set zzmm='党员' where xm='何二'"_s);
    ASSERT_TRUE(exchange::writeReportPackage(sender.db(), sendTemplate(), package(), allCadres(),
                                             {}, QDate(2024, 5, 7)));
    ASSERT_TRUE(receiveAll(0, familyOnly));
    EXPECT_EQ(
        rowTexts(receiver.db(), sons),
        (QStringList{u"xm=何一;zzmm=群众"_s, u"xm=何二;zzmm=党员"_s, u"xm=赵超春;zzmm=群众"_s}));
    EXPECT_EQ(carried(receiver.db())[u"tb_family"_s], carried(sender.db())[u"tb_family"_s]);
}

// Damaged, foreign and newer files are refused with a message before anything is merged; the
// working database keeps every byte.
TEST_F(ReportPackage, BadPackagesAreRefusedAndTheWorkingDatabaseIsUntouched) {
    QFile original(package());
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray bytes = original.readAll();
    original.close();
    const QString bad = QDir(home.path()).filePath(u"bad.sdb"_s);
    const auto writeBad = [&](const QByteArray& content) {
        QFile::remove(bad);
        QFile file(bad);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    };
    const QByteArray before = fileDigest(receiverPath);
    const auto expectRefused = [&](const QString& what, const QString& message) {
        const Result<exchange::PackageReview> review = exchange::reviewPackage(receiver.db(), bad);
        EXPECT_FALSE(review) << what;
        if (!review) {
            EXPECT_TRUE(review.errorText().startsWith(message)) << what << review.errorText();
        }
        const Result<exchange::ReceiveCount> merged =
            exchange::receivePackage(receiver, bad, {1, 2, 3}, {}, 8);
        EXPECT_FALSE(merged) << what;
        EXPECT_EQ(fileDigest(receiverPath), before) << what;
    };

    writeBad("这不是数据库，只是一段文字。"_ba.repeated(100));
    expectRefused(u"text"_s, exchange::kPackageNotADatabase);
    const qsizetype pageSize = 4096;
    ASSERT_GT(bytes.size(), 4 * pageSize);
    for (qsizetype pages :
         {qsizetype{1}, qsizetype{2}, bytes.size() / pageSize / 2, bytes.size() / pageSize - 1}) {
        writeBad(bytes.left(pages * pageSize));
        expectRefused(u"truncated to "_s + QString::number(pages), u"所选报送数据库"_s);
    }
    writeBad(bytes.left(bytes.size() / 2 + 100));
    expectRefused(u"truncated in a page"_s, u"所选报送数据库"_s);
    // Every page but the first with its header overwritten.
    QByteArray pagesBroken = bytes;
    for (int offset = pageSize; offset < pagesBroken.size(); offset += pageSize) {
        pagesBroken[offset] = char(0x7F);
    }
    writeBad(pagesBroken);
    expectRefused(u"page headers"_s, exchange::kPackageDamaged);
    {
        writeBad(bytes);
        db::Database file;
        ASSERT_TRUE(file.open(bad));
        ASSERT_TRUE(file.exec(u"drop table tb_kc"_s));
    }
    expectRefused(u"a table missing"_s, exchange::kPackageTablesMissing + u"tb_kc"_s);
    {
        writeBad(bytes);
        db::Database file;
        ASSERT_TRUE(file.open(bad));
        ASSERT_TRUE(file.exec(u"update tb_sendInfo set version=99.1"_s));
    }
    expectRefused(u"newer"_s, exchange::kPackageNewer);
    EXPECT_EQ(exchange::reviewPackage(receiver.db(), QString()).errorText(),
              exchange::kNoPackageChosen);

    // Random damage: each file is refused with a message and changes nothing, or is sound
    // enough to be received.
    QRandomGenerator random(26);
    for (int round = 0; round < 20; ++round) {
        QByteArray damaged = bytes;
        for (int i = 0; i < 48; ++i) {
            damaged[random.bounded(damaged.size())] = char(random.bounded(256));
        }
        writeBad(damaged);
        const QByteArray untouched = fileDigest(receiverPath);
        const Result<exchange::ReceiveCount> merged =
            exchange::receivePackage(receiver, bad, {1, 2, 3}, {}, 8);
        if (!merged) {
            EXPECT_FALSE(merged.errorText().isEmpty());
            EXPECT_EQ(fileDigest(receiverPath), untouched) << round;
        }
    }
    // A package without the information table of where it came from is still received.
    {
        writeBad(bytes);
        db::Database file;
        ASSERT_TRUE(file.open(bad));
        ASSERT_TRUE(file.exec(u"drop table tb_sendInfo"_s));
    }
    const Result<exchange::PackageReview> older = exchange::reviewPackage(receiver.db(), bad);
    ASSERT_TRUE(older) << older.errorText();
    EXPECT_TRUE(older->origin.sender.isEmpty());
    EXPECT_EQ(older->cadres.size(), 60);
}

}  // namespace
