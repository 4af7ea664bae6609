#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>

#include "db/Database.h"
#include "exchange/HandheldExport.h"
#include "exchange/HandheldInstructions.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

namespace {

using namespace Qt::StringLiterals;

QString converterProgram() {
    QDir programDir(TestHome::templateDir());
    programDir.cdUp();
    return programDir.filePath(u"cadre-handheld"_s);
}

exchange::HandheldChoice validChoice(const QString& output) {
    exchange::HandheldChoice choice;
    choice.content = handheld::Basic;
    choice.output = output;
    choice.password = u"口令pw'1"_s;
    choice.confirmation = choice.password;
    return choice;
}

TEST(HandheldExport, AnIncompleteChoiceIsRefusedWithItsMessage) {
    const struct {
        const char* what;
        std::function<void(exchange::HandheldChoice&)> change;
        QString message;
    } cases[] = {
        {"passwords differ", [](auto& c) { c.confirmation = u"别的"_s; },
         exchange::kPasswordsDiffer},
        {"no output", [](auto& c) { c.output = u"  "_s; }, exchange::kNoOutputChosen},
        {"the working database", [](auto& c) { c.output = u"Db/../Db/Cadre.db"_s; },
         exchange::kOutputIsWorking},
        {"no password", [](auto& c) { c.password = c.confirmation = QString(); },
         exchange::kNoPassword},
        {"nothing to export", [](auto& c) { c.content = 0; }, exchange::kNoContentChosen},
        {"no unit", [](auto& c) { c.allCadres = false; }, exchange::kNoUnitChosen},
    };
    EXPECT_TRUE(exchange::checkHandheldChoice(validChoice(u"a.db"_s), u"Db/Cadre.db"_s));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        exchange::HandheldChoice choice = validChoice(u"a.db"_s);
        c.change(choice);
        const Result<void> checked = exchange::checkHandheldChoice(choice, u"Db/Cadre.db"_s);
        ASSERT_FALSE(checked);
        EXPECT_EQ(checked.failure().message, c.message);
    }
}

TEST(HandheldExport, TheInstructionFileHoldsTheChoiceButNeverThePassword) {
    TestHome home;
    const QString ini = QDir(home.path()).filePath(u"PDA.ini"_s);
    {
        QSettings old(ini, QSettings::IniFormat);
        old.setValue(u"PDAOUT/PWD"_s, u"旧口令"_s);
    }
    const struct {
        const char* what;
        bool all;
        QList<int> units;
        int content;
        QString method;
        QString unitList;
    } cases[] = {
        {"all, photos only", true, {}, handheld::Photos, u"ALL"_s, QString()},
        {"two units, everything", false, {3, 15}, 15, u"PART"_s, u"(3,15)"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        exchange::HandheldChoice choice = validChoice(u"/设备/cadre.db"_s);
        choice.allCadres = c.all;
        choice.unitIds = c.units;
        choice.content = c.content;
        choice.delTimes = 7;
        ASSERT_TRUE(exchange::writeInstructionFile(ini, choice, u"/数据/Db/Cadre.db"_s));
        QSettings read(ini, QSettings::IniFormat);
        read.beginGroup(u"PDAOUT"_s);
        EXPECT_EQ(read.value(u"Method"_s).toString(), c.method);
        EXPECT_EQ(read.value(u"DWID"_s).toString(), c.unitList);
        EXPECT_EQ(read.value(u"CONTENT"_s).toString(), QString::number(c.content));
        EXPECT_EQ(read.value(u"DelTimes"_s).toString(), u"7"_s);
        EXPECT_EQ(read.value(u"SDBTYPE"_s).toString(), u"2"_s);
        EXPECT_EQ(QDir::fromNativeSeparators(read.value(u"SDBPATH"_s).toString()),
                  u"/数据/Db/Cadre.db"_s);
        EXPECT_EQ(QDir::fromNativeSeparators(read.value(u"DBPATH"_s).toString()),
                  u"/设备/cadre.db"_s);
        EXPECT_FALSE(read.contains(u"PWD"_s));
    }
    QFile raw(ini);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    const QByteArray bytes = raw.readAll();
    EXPECT_FALSE(bytes.contains(validChoice({}).password.toUtf8()));
    EXPECT_FALSE(bytes.contains(QStringLiteral("旧口令").toUtf8()));
}

// Runs the SQLCipher shell on `file` with `key` and returns what it prints for `sql`.
QString readEncrypted(const QString& file, const QString& key, const QString& sql) {
    QProcess shell;
    shell.setProcessChannelMode(QProcess::MergedChannels);
    shell.start(u"sqlcipher"_s, {file});
    if (!shell.waitForStarted()) {
        return u"<sqlcipher not started>"_s;
    }
    shell.write(
        (u"PRAGMA key = '"_s + QString(key).replace(u'\'', u"''"_s) + u"';\n"_s + sql + u";\n"_s)
            .toUtf8());
    shell.closeWriteChannel();
    shell.waitForFinished();
    return QString::fromUtf8(shell.readAll()).trimmed();
}

class HandheldConverter : public ::testing::Test {
  protected:
    void SetUp() override {
        working = home.makeWorkingDatabase();
        ini = QDir(home.path()).filePath(u"PDA.ini"_s);
        output = QDir(home.path()).filePath(u"设备/cadre.db"_s);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(output).absolutePath()));
    }

    Result<void> run(const exchange::HandheldChoice& choice) {
        const Result<void> written = exchange::writeInstructionFile(ini, choice, working);
        if (!written) {
            return written;
        }
        return exchange::runConverter(converterProgram(), ini, choice.password,
                                      [&](const QString& line) { lines << line; });
    }

    int workingCount(const QString& sql) {
        db::Database db;
        EXPECT_TRUE(db.open(working)) << db.lastError();
        const Result<QVariant> n = db.scalar(sql);
        return n ? n->toInt() : -1;
    }

    TestHome home;
    QString working;
    QString ini;
    QString output;
    QStringList lines;
};

TEST_F(HandheldConverter, WritesTheChosenCadresIntoADatabaseOnlyThePasswordOpens) {
    exchange::HandheldChoice choice = validChoice(output);
    choice.content = 15;
    choice.delTimes = 4;
    const Result<void> built = run(choice);
    ASSERT_TRUE(built) << built.errorText();
    ASSERT_TRUE(QFileInfo::exists(output));
    EXPECT_TRUE(lines.first().startsWith(handheld::kProgressPrefix)) << lines.join(u'\n');

    db::Database plain;
    EXPECT_FALSE(plain.open(output)) << "an ordinary SQLite reader cannot open it";
    EXPECT_EQ(readEncrypted(output, choice.password,
                            u"select count(*) from tb_cadre; select value from tb_settings "
                            u"where name='DelTimes'"_s),
              QString::number(workingCount(u"select count(*) from tb_cadre"_s)) + u"\n4"_s);
    EXPECT_EQ(readEncrypted(output, choice.password, u"select count(*) from tb_family"_s),
              QString::number(workingCount(u"select count(*) from tb_family"_s)));
    EXPECT_TRUE(readEncrypted(output, u"错的"_s, u"select count(*) from tb_cadre"_s)
                    .contains(u"not a database"_s));
}

TEST_F(HandheldConverter, ChosenUnitsLimitTheCadresAndUnchosenContentsStayOut) {
    const int unit = workingCount(
        u"select top 1 dwID from tb_cadre_node group by dwID order by count(*) desc"_s);
    const int members = workingCount(
        u"select count(*) from tb_cadre where CadreID in (select ZwCadreID from tb_cadre_node "
        u"where dwID="_s +
        QString::number(unit) + u')');
    ASSERT_GT(members, 0);
    exchange::HandheldChoice choice = validChoice(output);
    choice.allCadres = false;
    choice.unitIds = {unit};
    choice.content = handheld::Photos;
    const Result<void> built = run(choice);
    ASSERT_TRUE(built) << built.errorText();
    EXPECT_EQ(readEncrypted(output, choice.password, u"select count(*) from tb_cadre"_s),
              QString::number(members));
    EXPECT_TRUE(readEncrypted(output, choice.password, u"select count(*) from tb_family"_s)
                    .contains(u"no such table"_s));
}

TEST_F(HandheldConverter, AFailureIsReportedAndLeavesNoFile) {
    exchange::HandheldChoice choice = validChoice(QDir(home.path()).filePath(u"没有的目录/x.db"_s));
    const Result<void> built = run(choice);
    ASSERT_FALSE(built);
    EXPECT_EQ(built.failure().message, exchange::kConverterFailed);
    EXPECT_FALSE(built.failure().dbError.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(choice.output));

    const Result<void> missing =
        exchange::runConverter(QDir(home.path()).filePath(u"没有的程序"_s), ini, u"p"_s, {});
    ASSERT_FALSE(missing);
    EXPECT_TRUE(missing.failure().message.startsWith(exchange::kConverterMissing));
}

}  // namespace
