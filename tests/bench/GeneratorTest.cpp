#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "cadre/Documents.h"
#include "db/Database.h"
#include "generate/SyntheticData.h"
#include "support/DataConsistency.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

namespace {

constexpr int kCadres = 500;

QString templatePath() {
    return QDir(TestHome::templateDir()).filePath(QStringLiteral("Empty.db"));
}

QString monthText(const QDate& date) {
    return date.toString(QStringLiteral("yyyy.MM"));
}

// Every list of orders, sorted, must be 1, 2, ... n.
template <class Key>
void expectRunsFromOne(const std::map<Key, std::vector<int>>& orders, const char* what) {
    for (const auto& entry : orders) {
        std::vector<int> list = entry.second;
        std::sort(list.begin(), list.end());
        for (size_t i = 0; i < list.size(); ++i) {
            ASSERT_EQ(list[i], static_cast<int>(i) + 1) << what << " at position " << i;
        }
    }
}

// dwOrder numbers the children of each parent from 1; dwIndex is "0" and the two upper-case
// hexadecimal digits of dwOrder at the top, the parent's dwIndex and those digits below it.
// Returns the largest dwOrder seen.
int expectIndexesFollowTheTree(db::Database& db) {
    const std::optional<db::QueryResult> result =
        db.query(QStringLiteral("select ID,parentID,dwOrder,dwIndex,dwlevel from tb_department"));
    EXPECT_TRUE(result.has_value()) << db.lastError();
    if (!result) {
        return 0;
    }
    std::map<int, QString> indexOf;
    std::map<int, std::vector<int>> siblingOrders;
    for (const QVariantList& u : result->rows) {
        indexOf[u[0].toInt()] = u[3].toString();
        siblingOrders[u[1].toInt()].push_back(u[2].toInt());
    }
    expectRunsFromOne(siblingOrders, "dwOrder among siblings");
    const char* const hex = "0123456789ABCDEF";
    QSet<QString> seen;
    int widest = 0;
    for (const QVariantList& u : result->rows) {
        const int order = u[2].toInt();
        EXPECT_TRUE(order >= 1 && order <= 255) << "unit " << u[0].toInt();
        widest = std::max(widest, order);
        const QString digits =
            QString(QLatin1Char(hex[order / 16 % 16])) + QLatin1Char(hex[order % 16]);
        const int parent = u[1].toInt();
        const QString expected =
            parent == 0 ? QStringLiteral("0") + digits : indexOf[parent] + digits;
        EXPECT_EQ(u[3].toString(), expected) << "unit " << u[0].toInt();
        EXPECT_EQ(u[3].toString().size(), 3 + 2 * u[4].toInt()) << "unit " << u[0].toInt();
        EXPECT_FALSE(seen.contains(u[3].toString())) << "index used twice: " << u[3].toString();
        seen.insert(u[3].toString());
    }
    return widest;
}

// A generated database of kCadres cadres, made once for all tests of the suite.
class GeneratedDatabase : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = new QTemporaryDir;
        path_ = dir_->filePath(QStringLiteral("Generated.db"));
        synth::Options options;
        options.cadres = kCadres;
        options.seed = 20240607;
        generated_ = synth::generateDatabase(templatePath(), path_, options, &counts_, &error_);
    }
    static void TearDownTestSuite() {
        delete dir_;
        dir_ = nullptr;
    }

    void SetUp() override {
        ASSERT_TRUE(generated_) << error_;
        ASSERT_TRUE(db_.open(path_)) << db_.lastError();
    }

    std::vector<QVariantList> rows(const QString& sql) {
        const std::optional<db::QueryResult> result = db_.query(sql);
        EXPECT_TRUE(result.has_value()) << db_.lastError();
        return result ? result->rows : std::vector<QVariantList>();
    }
    qint64 count(const QString& sql) { return db_.scalar(sql)->toLongLong(); }

    static inline QTemporaryDir* dir_ = nullptr;
    static inline QString path_;
    static inline bool generated_ = false;
    static inline QString error_;
    static inline synth::Counts counts_;
    db::Database db_;
};

TEST_F(GeneratedDatabase, UnitTreeIsFourLevelsDeepWithAboutOneUnitPer25Cadres) {
    const auto units =
        rows(QStringLiteral("select ID,parentID,dwlevel,isDep,status from tb_department"));
    const double expected = kCadres / 25.0;
    EXPECT_GE(units.size(), expected * 0.9);
    EXPECT_LE(units.size(), expected * 1.1);
    EXPECT_EQ(counts_.units, static_cast<int>(units.size()));

    std::map<int, std::pair<int, int>> parentAndLevel;
    for (const QVariantList& u : units) {
        parentAndLevel[u[0].toInt()] = {u[1].toInt(), u[2].toInt()};
        EXPECT_EQ(u[4].toInt(), 0);
    }
    int deepest = 0;
    for (const auto& [id, unit] : parentAndLevel) {
        const auto [parent, level] = unit;
        if (parent == 0) {
            EXPECT_EQ(level, 0) << "top unit " << id;
            continue;
        }
        ASSERT_TRUE(parentAndLevel.count(parent)) << "unit " << id << " has no parent " << parent;
        EXPECT_EQ(level, parentAndLevel[parent].second + 1) << "unit " << id;
        // Walking up from the unit reaches the top in exactly `level` steps.
        int steps = 0;
        for (int p = parent; p != 0; p = parentAndLevel[p].first) {
            ++steps;
            ASSERT_LE(steps, 3) << "unit " << id;
        }
        EXPECT_EQ(steps, level) << "unit " << id;
        deepest = std::max(deepest, level);
    }
    EXPECT_EQ(deepest, 3);
    // Grouping nodes hold no posts.
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_cadre_zw as a inner join "
                                   "tb_department as b on a.dwID=b.ID where b.isDep=False")),
              0);
}

TEST_F(GeneratedDatabase, UnitIndexesFollowParentIndexAndOrder) {
    expectIndexesFollowTheTree(db_);
}

TEST_F(GeneratedDatabase, MembershipsAreExactlyTheUnitsOfCurrentPosts) {
    std::set<std::pair<int, int>> postUnits;
    for (const QVariantList& p :
         rows(QStringLiteral("select a.ZwCadreID,a.dwID,a.dw,b.Name,b.ID from tb_cadre_zw as a "
                             "left outer join tb_department as b on a.dwID=b.ID"))) {
        ASSERT_FALSE(p[4].isNull()) << "post of cadre " << p[0].toInt() << " in unknown unit";
        EXPECT_EQ(p[2].toString(), p[3].toString());
    }
    for (const QVariantList& p :
         rows(QStringLiteral("select ZwCadreID,dwID from tb_cadre_zw where status=1"))) {
        postUnits.insert({p[0].toInt(), p[1].toInt()});
    }
    std::set<std::pair<int, int>> memberships;
    for (const QVariantList& m : rows(QStringLiteral("select ZwCadreID,dwID from tb_cadre_node"))) {
        EXPECT_TRUE(memberships.insert({m[0].toInt(), m[1].toInt()}).second)
            << "cadre " << m[0].toInt() << " twice a member of unit " << m[1].toInt();
    }
    EXPECT_EQ(memberships, postUnits);
    EXPECT_EQ(counts_.memberships, static_cast<qint64>(memberships.size()));

    std::map<int, int> current;
    std::map<int, int> former;
    for (const QVariantList& p : rows(QStringLiteral("select ZwCadreID,status from tb_cadre_zw"))) {
        ++(p[1].toInt() == 1 ? current : former)[p[0].toInt()];
    }
    EXPECT_EQ(current.size(), static_cast<size_t>(kCadres));
    EXPECT_EQ(former.size(), static_cast<size_t>(kCadres));
    for (const auto& [cadre, n] : current) {
        EXPECT_TRUE(n >= 1 && n <= 3) << "cadre " << cadre << " holds " << n << " posts";
    }
    for (const auto& [cadre, n] : former) {
        EXPECT_TRUE(n >= 1 && n <= 6) << "cadre " << cadre << " held " << n << " posts";
    }
}

TEST_F(GeneratedDatabase, OrdersRunFromOneWithoutGaps) {
    std::map<int, std::vector<int>> byUnit;
    for (const QVariantList& m : rows(QStringLiteral("select dwID,zwOrder from tb_cadre_node"))) {
        byUnit[m[0].toInt()].push_back(m[1].toInt());
    }
    expectRunsFromOne(byUnit, "membership order in a unit");

    std::map<std::pair<int, int>, std::vector<int>> byCadreAndStatus;
    for (const QVariantList& p :
         rows(QStringLiteral("select ZwCadreID,status,zwOrder from tb_cadre_zw"))) {
        byCadreAndStatus[{p[0].toInt(), p[1].toInt()}].push_back(p[2].toInt());
    }
    expectRunsFromOne(byCadreAndStatus, "post order of a cadre");

    std::map<int, std::vector<int>> family;
    for (const QVariantList& f : rows(QStringLiteral("select CadreID,ford from tb_family"))) {
        family[f[0].toInt()].push_back(f[1].toInt());
    }
    expectRunsFromOne(family, "family order");
    EXPECT_EQ(family.size(), static_cast<size_t>(kCadres));
    for (const auto& [cadre, members] : family) {
        EXPECT_TRUE(members.size() >= 2 && members.size() <= 6) << "cadre " << cadre;
    }

    std::vector<int> gbOrd;
    for (const QVariantList& c : rows(QStringLiteral("select gbOrd from tb_cadre"))) {
        gbOrd.push_back(c[0].toInt());
    }
    expectRunsFromOne(std::map<int, std::vector<int>>{{0, gbOrd}}, "gbOrd");
    EXPECT_EQ(gbOrd.size(), static_cast<size_t>(kCadres));
}

TEST_F(GeneratedDatabase, KeepsTheRulesOfUnitsPostsAndMemberships) {
    EXPECT_EQ(dataConsistencyProblems(db_), QStringList());
}

TEST_F(GeneratedDatabase, CurrentPostsJoinPostsOfOneUnitAndOfSeveralUnits) {
    std::map<int, std::vector<int>> unitsOfPosts;
    for (const QVariantList& p : rows(QStringLiteral(
             "select ZwCadreID,dwID from tb_cadre_zw where status=1 order by ZwCadreID,zwOrder"))) {
        unitsOfPosts[p[0].toInt()].push_back(p[1].toInt());
    }
    EXPECT_EQ(unitsOfPosts.size(), static_cast<size_t>(kCadres));
    int severalUnits = 0;
    int severalPostsInOneUnit = 0;
    for (const auto& [cadre, list] : unitsOfPosts) {
        const std::set<int> units(list.begin(), list.end());
        severalUnits += units.size() > 1 ? 1 : 0;
        severalPostsInOneUnit += units.size() < list.size() ? 1 : 0;
    }
    EXPECT_GT(severalUnits, 0);
    EXPECT_GT(severalPostsInOneUnit, 0);
}

TEST_F(GeneratedDatabase, PostDatesMatchTheirTextsAndFormerPostsEndAfterTheyBegin) {
    int former = 0;
    int undated = 0;
    for (const QVariantList& p :
         rows(QStringLiteral("select ZwID,status,rzsj,rzsjstr,mzsj,mzsjstr from tb_cadre_zw"))) {
        const int id = p[0].toInt();
        if (p[2].isNull()) {
            EXPECT_EQ(p[1].toInt(), 1) << "former post " << id << " without appointment date";
            EXPECT_TRUE(p[3].toString().isEmpty()) << "post " << id;
            ++undated;
        } else {
            const QDate start = p[2].toDate();
            EXPECT_EQ(start.day(), 1) << "post " << id;
            EXPECT_EQ(p[3].toString(), monthText(start)) << "post " << id;
        }
        if (p[1].toInt() == 1) {
            EXPECT_TRUE(p[4].isNull()) << "current post " << id << " has a removal date";
            continue;
        }
        ++former;
        ASSERT_FALSE(p[4].isNull()) << "former post " << id << " without removal date";
        EXPECT_GE(p[4].toDate(), p[2].toDate()) << "post " << id;
        EXPECT_EQ(p[5].toString(), monthText(p[4].toDate())) << "post " << id;
    }
    EXPECT_EQ(former, counts_.formerPosts);
    EXPECT_LT(undated, kCadres / 5);
}

TEST_F(GeneratedDatabase, CadreRecordsHavePlausibleValues) {
    const QRegularExpression name(QStringLiteral("^\\p{Han}(  \\p{Han}|\\p{Han}{2})$"));
    const QRegularExpression resumeLine(
        QStringLiteral("^\\d{4}\\.\\d{2}-(\\d{4}\\.\\d{2}| {7}) \\S"));
    int withPhoto = 0;
    for (const QVariantList& c :
         rows(QStringLiteral("select CadreID,xm,py,xb,csny,csnyStr,gzsj,gzsjStr,Classid,ctype,"
                             "zwjb,gzjl,xrz,photo from tb_cadre"))) {
        const int id = c[0].toInt();
        const QString xm = c[1].toString();
        EXPECT_TRUE(name.match(xm).hasMatch()) << "cadre " << id << ": " << xm;
        EXPECT_TRUE(
            QRegularExpression(QStringLiteral("^[A-Z]+$")).match(c[2].toString()).hasMatch())
            << "cadre " << id << ": " << c[2].toString();
        EXPECT_EQ(c[2].toString().size(), QString(xm).remove(u' ').size()) << "cadre " << id;
        EXPECT_TRUE(c[3].toString() == u"男" || c[3].toString() == u"女") << "cadre " << id;
        const QDate birth = c[4].toDate();
        EXPECT_TRUE(birth.year() >= 1960 && birth.year() <= 1995) << "cadre " << id;
        EXPECT_EQ(c[5].toString(), monthText(birth)) << "cadre " << id;
        EXPECT_GT(c[6].toDate(), birth.addYears(16)) << "cadre " << id;
        EXPECT_EQ(c[7].toString(), monthText(c[6].toDate())) << "cadre " << id;
        EXPECT_EQ(c[8].toInt(), 0) << "cadre " << id;
        EXPECT_TRUE(c[9].toInt() >= 1 && c[9].toInt() <= 15) << "cadre " << id;
        EXPECT_FALSE(c[10].toString().isEmpty()) << "cadre " << id;

        const QStringList resume = c[11].toString().split(QStringLiteral("\r\n"));
        ASSERT_GE(resume.size(), 3) << "cadre " << id;
        for (const QString& line : resume) {
            EXPECT_TRUE(resumeLine.match(line).hasMatch()) << "cadre " << id << ": " << line;
        }
        // The last period is open and is the current posts.
        EXPECT_EQ(resume.last().mid(8, 8), QString(8, u' ')) << "cadre " << id;
        EXPECT_EQ(resume.last().mid(16), c[12].toString()) << "cadre " << id;

        if (!c[13].isNull()) {
            const QImage photo = QImage::fromData(c[13].toByteArray(), "JPG");
            ASSERT_FALSE(photo.isNull()) << "cadre " << id;
            EXPECT_LE(photo.width(), 240);
            EXPECT_LE(photo.height(), 300);
            ++withPhoto;
        }
    }
    EXPECT_GT(withPhoto, 0);
    EXPECT_LT(withPhoto, kCadres);
    EXPECT_EQ(withPhoto, counts_.photos);
}

TEST_F(GeneratedDatabase, AssessmentsAndRewardsBelongToGeneratedCadres) {
    const QSet<QString> results{QStringLiteral("优秀"), QStringLiteral("称职"),
                                QStringLiteral("基本称职"), QStringLiteral("不称职")};
    const auto assessments = rows(QStringLiteral("select cid,kcYear,kclb,kcName,kcjl from tb_kc"));
    EXPECT_EQ(static_cast<qint64>(assessments.size()), counts_.assessments);
    EXPECT_GT(assessments.size(), static_cast<size_t>(kCadres));
    for (const QVariantList& k : assessments) {
        EXPECT_TRUE(k[0].toInt() >= 1 && k[0].toInt() <= kCadres);
        EXPECT_EQ(k[2].toString(), QStringLiteral("年度考核"));
        EXPECT_EQ(k[3].toString(), k[1].toString() + QStringLiteral("年度考核"));
        EXPECT_TRUE(results.contains(k[4].toString())) << k[4].toString();
    }
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_jc where cid<1 or cid>") +
                    QString::number(kCadres)),
              0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_jc")), counts_.rewards);
    EXPECT_GT(counts_.rewards, 0);
}

TEST_F(GeneratedDatabase, EveryCadreHasACatalogueAndSomeHaveReportsAndDocuments) {
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_cadre where CadreID not in (select "
                                   "cid from E01)")),
              0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from E01")), counts_.catalogueEntries);
    qint64 reports = 0;
    for (const char* table : {"A54", "A55", "A56"}) {
        const qint64 n =
            count(QStringLiteral("select count(*) from ") + QString::fromLatin1(table));
        EXPECT_GT(n, 0) << table;
        reports += n;
    }
    EXPECT_EQ(reports, counts_.reports);
    EXPECT_GT(counts_.documents, 0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_fileLink")), counts_.documents);
    const auto linked = rows(QStringLiteral("select dxID,fileid from tb_fileLink"));
    ASSERT_FALSE(linked.empty());
    const auto content = cadre::documentContent(db_, linked[0][0].toInt(), linked[0][1].toInt());
    ASSERT_TRUE(content) << content.errorText();
    EXPECT_TRUE(QString::fromUtf8(content->bytes).startsWith(u"述职报告"_qs));
}

// A digest of the generated tables, to compare two runs.
QByteArray contentDigest(const QString& path) {
    db::Database db;
    if (!db.open(path)) {
        return {};
    }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const char* table : {"tb_department", "tb_cadre", "tb_cadre_zw", "tb_cadre_node",
                              "tb_family", "tb_kc", "tb_jc"}) {
        const auto result = db.query(QStringLiteral("select * from ") + QString::fromLatin1(table) +
                                     QStringLiteral(" order by 1"));
        if (!result) {
            return {};
        }
        for (const QVariantList& row : result->rows) {
            for (const QVariant& v : row) {
                hash.addData(v.typeId() == QMetaType::QByteArray ? v.toByteArray()
                                                                 : v.toString().toUtf8());
                hash.addData(QByteArrayView("\x1f"));
            }
        }
    }
    return hash.result();
}

TEST(Generator, SameSeedGivesTheSameDataAndAnotherSeedOtherData) {
    QTemporaryDir dir;
    synth::Options options;
    options.cadres = 120;
    options.seed = 7;
    const QString first = dir.filePath(QStringLiteral("first.db"));
    const QString second = dir.filePath(QStringLiteral("second.db"));
    const QString other = dir.filePath(QStringLiteral("other.db"));
    QString error;
    ASSERT_TRUE(synth::generateDatabase(templatePath(), first, options, nullptr, &error)) << error;
    ASSERT_TRUE(synth::generateDatabase(templatePath(), second, options, nullptr, &error)) << error;
    options.seed = 8;
    ASSERT_TRUE(synth::generateDatabase(templatePath(), other, options, nullptr, &error)) << error;
    const QByteArray digest = contentDigest(first);
    ASSERT_FALSE(digest.isEmpty());
    EXPECT_EQ(contentDigest(second), digest);
    EXPECT_NE(contentDigest(other), digest);
}

TEST(Generator, SiblingsBeyondNineGetHexadecimalLetters) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Wide.db"));
    synth::Options options;
    options.cadres = 3000;  // 120 units: one top unit with eleven children
    QString error;
    ASSERT_TRUE(synth::generateDatabase(templatePath(), path, options, nullptr, &error)) << error;
    db::Database db;
    ASSERT_TRUE(db.open(path)) << db.lastError();
    EXPECT_GE(expectIndexesFollowTheTree(db), 10);
    EXPECT_EQ(db.scalar(QStringLiteral("select max(dwlevel) from tb_department"))->toInt(), 3);
}

TEST(Generator, RefusesADatabaseThatAlreadyHoldsUnits) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Cadre.db"));
    ASSERT_TRUE(QFile::copy(templatePath(), path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    db::Database db;
    ASSERT_TRUE(db.open(path)) << db.lastError();
    ASSERT_TRUE(db.exec(QStringLiteral("delete * from tb_cadre")));
    ASSERT_TRUE(db.exec(QStringLiteral(
        "insert into tb_department (parentID,Name,dwOrder,dwlevel,dwIndex,isDep) values "
        "(0,'某单位',99,0,'063',True)")));
    const qint64 units =
        db.scalar(QStringLiteral("select count(*) from tb_department"))->toLongLong();

    synth::Options options;
    options.cadres = 50;
    synth::Generator generator(options);
    EXPECT_FALSE(generator.fill(db));
    EXPECT_TRUE(generator.lastError().contains(QStringLiteral("tb_department")))
        << generator.lastError();
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from tb_department"))->toLongLong(), units);
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from tb_cadre"))->toLongLong(), 0);
    EXPECT_EQ(db.transactionDepth(), 0);
}

TEST(Generator, FailureHalfwayLeavesTheDatabaseAsItWas) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Cadre.db"));
    ASSERT_TRUE(QFile::copy(templatePath(), path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    db::Database db;
    ASSERT_TRUE(db.open(path)) << db.lastError();
    ASSERT_TRUE(db.exec(QStringLiteral("delete * from tb_department")));
    ASSERT_TRUE(db.exec(QStringLiteral("delete * from tb_cadre")));
    // The units are written before the assessments are reached.
    ASSERT_TRUE(db.exec(QStringLiteral("drop table tb_kc")));

    synth::Options options;
    options.cadres = 50;
    synth::Generator generator(options);
    EXPECT_FALSE(generator.fill(db));
    EXPECT_TRUE(generator.lastError().contains(QStringLiteral("tb_kc"))) << generator.lastError();
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from tb_department"))->toLongLong(), 0);
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from tb_cadre"))->toLongLong(), 0);
    EXPECT_EQ(db.transactionDepth(), 0);
}

TEST(Generator, FailedRunLeavesTheTargetAsItWas) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("Cadre.db"));
    {
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("kept");
    }
    synth::Options options;
    options.cadres = 0;
    QString error;
    EXPECT_FALSE(synth::generateDatabase(templatePath(), target, options, nullptr, &error));
    EXPECT_FALSE(error.isEmpty());
    options.cadres = 10;
    const QString missing = dir.filePath(QStringLiteral("Db/Empty.db"));
    EXPECT_FALSE(synth::generateDatabase(missing, target, options, nullptr, &error));
    EXPECT_TRUE(error.contains(missing)) << error;

    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("kept"));
    EXPECT_FALSE(QFileInfo::exists(target + QStringLiteral(".part")));
}

}  // namespace
