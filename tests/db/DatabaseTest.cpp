#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "db/Database.h"
#include "db/SqlText.h"
#include "support/QtPrinters.h"

namespace {

class DatabaseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(db_.open(path(), db::Database::OpenMode::CreateIfMissing)) << err();
        run("CREATE TABLE tb_cadre ([CadreID] Counter, xm TEXT(50), csny DATETIME, csnyStr "
            "TEXT(10), ZwLock BIT, ctype integer, gzjl memo, gbOrd integer)");
        run("CREATE TABLE tb_department ([ID] Counter, parentID integer, name TEXT(255), dwIndex "
            "TEXT(50), dwOrder integer)");
        run("CREATE TABLE tb_cadre_zw ([ZwID] Counter, ZwCadreID integer, dwID integer, zwmc "
            "TEXT(50), status integer, mzsj DATETIME, mzsjstr TEXT(10))");
        run("insert into tb_cadre (xm,csny,csnyStr,ZwLock,ctype,gbOrd) values "
            "('张  三',#1972-07-15#,'1972.07',True,1,1)");
        run("insert into tb_cadre (xm,csny,csnyStr,ZwLock,ctype,gbOrd) values "
            "('Tom',#1972-07-16#,'1972.07',False,6,2)");
        run("insert into tb_cadre (xm,csny,csnyStr,ctype,gbOrd,gzjl) values "
            "('李四',#1960-01-31#,'1960.01',2,3,'简历')");
        run("insert into tb_department (parentID,name,dwIndex,dwOrder) values (0,'市委','001',1)");
        run("insert into tb_department (parentID,name,dwIndex,dwOrder) values "
            "(1,'办公室','00101',1)");
        run("insert into tb_department (parentID,name,dwIndex,dwOrder) values "
            "(0,'市政府','002',2)");
        run("insert into tb_department (parentID,name,dwIndex,dwOrder) values "
            "(1,'组织部','0010A',10)");
        run("insert into tb_cadre_zw (ZwCadreID,dwID,zwmc,status) values (1,2,'主任',1)");
        run("insert into tb_cadre_zw (ZwCadreID,dwID,zwmc,status) values (2,3,'副市长',1)");
    }

    QString path() const { return dir_.filePath(QStringLiteral("Cadre.db")); }
    std::string err() const { return db_.lastError().toStdString(); }
    void run(const char* sql) { ASSERT_TRUE(db_.exec(QString::fromUtf8(sql))) << err(); }

    // The rows of a select as text: columns joined by "|", rows by ";".
    QString rows(const QString& sql) {
        const std::optional<db::QueryResult> r = db_.query(sql);
        if (!r) {
            return QStringLiteral("ERROR: ") + db_.lastError();
        }
        QStringList lines;
        for (const QVariantList& row : r->rows) {
            QStringList cells;
            for (const QVariant& v : row) {
                cells << db::displayText(v);
            }
            lines << cells.join(u'|');
        }
        return lines.join(u';');
    }

    QTemporaryDir dir_;
    db::Database db_;
};

TEST_F(DatabaseTest, JetStatementsGiveJetResults) {
    struct Case {
        const char* sql;
        const char* expected;
    };
    const Case cases[] = {
        // Whole years of age: reached on the birthday, not a day or two later.
        {"select xm, Year(#2012-07-15#-csny)-1900 as age from tb_cadre order by CadreID",
         "张  三|40;Tom|39;李四|52"},
        {"select top 2 xm from tb_cadre order by gbOrd desc", "李四;Tom"},
        {"select xm from tb_cadre where isnull(gzjl) order by CadreID", "张  三;Tom"},
        {"select xm from tb_cadre where not isnull(gzjl)", "李四"},
        // Calendar months crossed, not 30-day blocks.
        {"select DateDiff('m',[csny],#1960-02-01#) from tb_cadre where CadreID=3", "1"},
        {"select DateDiff('yyyy',csny,#2012-01-01#), DateDiff('d',csny,#1960-02-01#) from "
         "tb_cadre where CadreID=3",
         "52|1"},
        {"select name from tb_department where dwIndex like '001%' order by dwIndex",
         "市委;办公室;组织部"},
        {"select name from tb_department where dwIndex like '0010a%'", "组织部"},
        {"select xm from tb_cadre where xm='TOM'", "Tom"},
        {"select xm from tb_cadre where xm in ('tom','李四') order by gbOrd", "Tom;李四"},
        {"select xm from tb_cadre where ZwLock=True", "张  三"},
        {"select xm from tb_cadre where ZwLock=-1", "张  三"},
        // A yes/no column left out of an insert is No, never null.
        {"select xm from tb_cadre where ZwLock='False' order by gbOrd", "Tom;李四"},
        {"select 5/2, 7 mod 3, 'a' & 'b', 1+2", "2.5|1|ab|3"},
        {"select '姓名：'+xm, xm+'同志' from tb_cadre where CadreID=2", "姓名：Tom|Tom同志"},
        {"select Year(csny), Month(csny), Day(csny) from tb_cadre where CadreID=1", "1972|7|15"},
        {"select IIf(ctype>1,'多','单'), Nz(gzjl), Nz(gzjl,'无') from tb_cadre where CadreID=2",
         "多||无"},
        {"select Left(csnyStr,4), Mid(csnyStr,6,2), Right(csnyStr,2), Len(csnyStr), "
         "InStr(csnyStr,'.') from tb_cadre where CadreID=1",
         "1972|07|07|7|5"},
        {"select xm from tb_cadre where csny>=#7/16/1972#", "Tom"},
        {"select \"双引号\" as t", "双引号"},
        // A union inside a derived table, with a grouped outer select.
        {"select count(*) from (select ZwCadreID as id from tb_cadre_zw union select CadreID "
         "from tb_cadre) DERIVEDTBL",
         "3"},
        // Joins written with Jet's parentheses.
        {"select a.xm, c.name from (tb_cadre as a inner join tb_cadre_zw as b on "
         "a.CadreID=b.ZwCadreID) left outer join tb_department as c on b.dwID=c.ID order by "
         "a.CadreID",
         "张  三|办公室;Tom|市政府"},
        {"select (select count(*) from tb_department where dwIndex like '001%'), "
         "Format(csny,'yyyy.mm') from tb_cadre where CadreID=1",
         "3|1972.07"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(rows(QString::fromUtf8(c.sql)), QString::fromUtf8(c.expected)) << c.sql;
    }
}

TEST_F(DatabaseTest, ScalarTellsNoRowFromFailure) {
    const Result<QVariant> found =
        db_.scalar(QStringLiteral("select xm from tb_cadre where gbOrd=3"));
    ASSERT_TRUE(found.ok());
    EXPECT_EQ(found->toString(), QStringLiteral("李四"));

    const Result<QVariant> none =
        db_.scalar(QStringLiteral("select xm from tb_cadre where gbOrd=99"));
    ASSERT_TRUE(none.ok());
    EXPECT_FALSE(none->isValid());

    const Result<QVariant> failed =
        db_.scalar(QStringLiteral("select nosuchcolumn from tb_cadre where gbOrd=3"));
    ASSERT_FALSE(failed.ok());
    EXPECT_TRUE(failed.errorText().contains(QStringLiteral("nosuchcolumn"))) << failed.errorText();
    EXPECT_EQ(failed.failure().dbError, db_.lastError());
}

TEST_F(DatabaseTest, DeleteStarRemovesTheSelectedRows) {
    run("delete * from tb_cadre where ctype in (2,6)");
    EXPECT_EQ(db_.changes(), 2);
    EXPECT_EQ(rows(QStringLiteral("select xm from tb_cadre")), QStringLiteral("张  三"));
    run("delete tb_department.* from tb_department where dwIndex like '001%'");
    EXPECT_EQ(rows(QStringLiteral("select name from tb_department")), QStringLiteral("市政府"));
}

TEST_F(DatabaseTest, DateTextStoredInADateColumnBecomesThatDate) {
    run("update tb_cadre_zw set status=2,mzsjstr='2012-7',mzsj='2012-7-1' where ZwCadreID=1");
    const QVariant stored =
        db_.scalar(QStringLiteral("select mzsj from tb_cadre_zw where ZwID=1")).value();
    EXPECT_EQ(stored.typeId(), QMetaType::QDate);
    EXPECT_EQ(stored.toDate(), QDate(2012, 7, 1));
    EXPECT_EQ(db_.scalar(QStringLiteral("select count(*) from tb_cadre_zw where mzsj<#2012-07-02#"))
                  ->toInt(),
              1);
    run("insert into tb_cadre_zw (ZwCadreID,mzsj,zwmc) values (3,'2013-1-5','科长')");
    EXPECT_EQ(
        db_.scalar(QStringLiteral("select mzsj from tb_cadre_zw where ZwCadreID=3"))->toDate(),
        QDate(2013, 1, 5));
    // Text that is no date is refused, as Jet refuses it, and nothing is written.
    EXPECT_FALSE(db_.exec(QStringLiteral("update tb_cadre_zw set mzsj='abc-1' where ZwID=2")));
    EXPECT_TRUE(db_.lastError().contains(QStringLiteral("mzsj='abc-1'")));
    EXPECT_TRUE(db_.scalar(QStringLiteral("select mzsj from tb_cadre_zw where ZwID=2"))->isNull());
}

TEST_F(DatabaseTest, DefinitionsInJetDialect) {
    run("ALTER TABLE tb_cadre Add res5 TEXT(50), res6 integer");
    run("update tb_cadre set res5='Abc' where CadreID=1");
    EXPECT_EQ(rows(QStringLiteral("select CadreID from tb_cadre where res5='ABC'")),
              QStringLiteral("1"));
    run("ALTER TABLE tb_cadre ALTER xm TEXT(50) NULL");
    run("ALTER TABLE tb_cadre drop CONSTRAINT zwjbdm");
    run("ALTER TABLE tb_cadre drop COLUMN res5,res6");
    EXPECT_FALSE(db_.hasColumn(QStringLiteral("tb_cadre"), QStringLiteral("RES5")));
    EXPECT_TRUE(db_.hasColumn(QStringLiteral("TB_CADRE"), QStringLiteral("XM")));

    run("CREATE TABLE tb_department_bz ([id] Counter,[dwID] integer NULL ,[rybz] TEXT(255) NULL "
        ",[bzs] integer NULL ,[sjs] integer NULL)");
    run("CREATE INDEX PK_tb_department_bz on tb_department_bz (id) WITH PRIMARY");
    run("Create Index classid On tb_cadre(ctype)");
    run("insert into tb_department_bz (dwID,rybz) values (1,'行政')");
    run("insert into tb_department_bz (dwID,rybz) values (1,'事业')");
    EXPECT_EQ(rows(QStringLiteral("select id from tb_department_bz order by id")),
              QStringLiteral("1;2"));
    // Auto numbers are never handed out again, so old references cannot point at a new row.
    run("delete * from tb_department_bz where id=2");
    run("insert into tb_department_bz (dwID,rybz) values (1,'工勤')");
    EXPECT_EQ(db_.lastInsertId(), 3);

    run("create table tb_tcid (cadreid integer not null,ord integer)");
    run("create index PK_tb_tcid on tb_tcid (cadreid) WITH PRIMARY");
    run("insert into tb_tcid (cadreid) values (1)");
    EXPECT_FALSE(db_.exec(QStringLiteral("insert into tb_tcid (cadreid) values (1)")));
    run("DROP table tb_tcid");
    EXPECT_FALSE(db_.hasTable(QStringLiteral("tb_tcid")));
}

TEST_F(DatabaseTest, SelectIntoKeepsColumnTypes) {
    run("select CadreID, xm, csny, ZwLock into tb_copy from tb_cadre where ctype<>2");
    EXPECT_EQ(db_.changes(), 2);
    const QVariant birth =
        db_.scalar(QStringLiteral("select csny from tb_copy where xm='tom'")).value();
    EXPECT_EQ(birth.toDate(), QDate(1972, 7, 16));
    EXPECT_EQ(db_.scalar(QStringLiteral("select ZwLock from tb_copy where CadreID=1"))->typeId(),
              QMetaType::Bool);
}

TEST_F(DatabaseTest, CopiesATableFromAnotherFile) {
    const QString other = dir_.filePath(QStringLiteral("Empty.db"));
    {
        db::Database template_;
        ASSERT_TRUE(template_.open(other, db::Database::OpenMode::CreateIfMissing));
        ASSERT_TRUE(
            template_.exec(QStringLiteral("create table tb_px ([pxid] Counter, pxName "
                                          "TEXT(50), pxTimeB DATETIME)")));
        ASSERT_TRUE(template_.exec(
            QStringLiteral("insert into tb_px (pxName,pxTimeB) values ('党校',#2011-03-01#)")));
    }
    ASSERT_TRUE(db_.exec(QStringLiteral("Select * into tb_px from [MS ACCESS;DataBase=") + other +
                         QStringLiteral(";].tb_px")))
        << err();
    EXPECT_EQ(rows(QStringLiteral("select pxName, pxTimeB from tb_px")),
              QStringLiteral("党校|2011-03-01"));
    run("delete * from tb_px");
    ASSERT_TRUE(
        db_.exec(QStringLiteral("insert into tb_px select * from tb_px in ") + sql::quoted(other)))
        << err();
    EXPECT_EQ(rows(QStringLiteral("select count(*) from tb_px")), QStringLiteral("1"));
    // The other file is let go after the statement.
    EXPECT_EQ(rows(QStringLiteral("select count(*) from pragma_database_list")),
              QStringLiteral("1"));
    EXPECT_FALSE(db_.exec(QStringLiteral("select * into tb_x from tb_px in 'no-such-file.db'")));
}

TEST_F(DatabaseTest, QuotedValuesNeverChangeTheStatement) {
    const QString values[] = {
        QStringLiteral("O'Brien"),      QStringLiteral("a'; delete * from tb_cadre; --"),
        QStringLiteral("#2012-07-15#"), QStringLiteral("*"),
        QStringLiteral("x -- y /* z"),  QStringLiteral("[tb_cadre]"),
        QStringLiteral("\"quoted\""),
    };
    for (const QString& v : values) {
        ASSERT_TRUE(db_.exec(QStringLiteral("update tb_cadre set xm=") + sql::quoted(v) +
                             QStringLiteral(" where CadreID=3")))
            << err();
        EXPECT_EQ(db_.changes(), 1);
        EXPECT_EQ(db_.scalar(QStringLiteral("select xm from tb_cadre where xm=") + sql::quoted(v))
                      ->toString(),
                  v);
        EXPECT_EQ(db_.scalar(QStringLiteral("select count(*) from tb_cadre"))->toInt(), 3);
    }
}

TEST_F(DatabaseTest, UntranslatableStatementsFailNamingTheStatement) {
    const char* statements[] = {
        "select * from tb_cadre; drop table tb_cadre",
        "select top 10 percent * from tb_cadre",
        "update tb_cadre as a inner join tb_cadre_zw as b on a.CadreID=b.ZwCadreID set a.xm=b.zwmc",
        "select xm from tb_cadre where xm='unterminated",
        "select 7 \\ 2",
        "CREATE TABLE t (c Hyperlink)",
        "ALTER TABLE tb_cadre Add newid Counter",
        "TRANSFORM count(*) select xm from tb_cadre group by xm pivot ctype",
        "select * from tb_cadre where csny=#not a date#",
        "select top 1 xm from tb_cadre union select name from tb_department",
    };
    for (const char* s : statements) {
        const QString sql = QString::fromUtf8(s);
        EXPECT_FALSE(db_.exec(sql)) << s;
        EXPECT_TRUE(db_.lastError().contains(sql)) << db_.lastError().toStdString();
    }
    EXPECT_TRUE(db_.hasTable(QStringLiteral("tb_cadre")));
    EXPECT_EQ(db_.scalar(QStringLiteral("select count(*) from tb_cadre"))->toInt(), 3);
}

TEST_F(DatabaseTest, NestedTransactionsCommitOrRollBackTogether) {
    {
        db::Transaction outer(db_);
        ASSERT_TRUE(outer.isActive());
        run("insert into tb_cadre (xm) values ('外层')");
        {
            db::Transaction inner(db_);
            run("insert into tb_cadre (xm) values ('内层')");
        }  // the inner one rolls back alone
        EXPECT_TRUE(outer.commit());
    }
    EXPECT_EQ(rows(QStringLiteral("select xm from tb_cadre where CadreID>3")),
              QStringLiteral("外层"));
    {
        db::Transaction tx(db_);
        run("delete * from tb_cadre");
    }
    EXPECT_EQ(db_.scalar(QStringLiteral("select count(*) from tb_cadre"))->toInt(), 4);
    EXPECT_EQ(db_.transactionDepth(), 0);
    // Several statements from one definition are applied together or not at all.
    EXPECT_FALSE(db_.exec(QStringLiteral("ALTER TABLE tb_cadre Add extra1 integer, xm integer")));
    EXPECT_FALSE(db_.hasColumn(QStringLiteral("tb_cadre"), QStringLiteral("extra1")));
}

TEST_F(DatabaseTest, ClosingReleasesTheFileWhileAStatementIsStillHeld) {
    // A reader half way through its rows, and a transaction left open, when the file is closed.
    std::unique_ptr<db::SqlStatement> reading =
        db_.prepare(QStringLiteral("select xm from tb_cadre order by CadreID"));
    ASSERT_TRUE(reading);
    ASSERT_EQ(reading->step(), db::SqlStatement::Step::Row);
    ASSERT_TRUE(db_.begin());
    run("insert into tb_cadre (xm) values ('未提交')");
    db_.close();

    db::Database other;
    ASSERT_TRUE(other.open(path(), db::Database::OpenMode::OpenExisting))
        << other.lastError().toStdString();
    EXPECT_TRUE(other.exec(QStringLiteral("insert into tb_cadre (xm) values ('另一连接')")))
        << other.lastError().toStdString();
    EXPECT_EQ(
        other.scalar(QStringLiteral("select count(*) from tb_cadre where xm='未提交'"))->toInt(),
        0);
    reading.reset();
}

TEST_F(DatabaseTest, TablesAndColumnsAreListed) {
    EXPECT_EQ(db_.tables(), (QStringList{QStringLiteral("tb_cadre"), QStringLiteral("tb_cadre_zw"),
                                         QStringLiteral("tb_department")}));
    EXPECT_TRUE(db_.hasTable(QStringLiteral("TB_Department")));
    EXPECT_FALSE(db_.hasTable(QStringLiteral("tb_none")));
    EXPECT_EQ(db_.columns(QStringLiteral("tb_cadre_zw")).first(), QStringLiteral("ZwID"));
    EXPECT_TRUE(db_.hasColumn(QStringLiteral("tb_cadre_zw"), QStringLiteral("MZSJSTR")));
}

TEST_F(DatabaseTest, BackupIsACompleteCopyWrittenWholeOrNotAtAll) {
    const QString target = dir_.filePath(QStringLiteral("backup.bak"));
    {
        QFile old(target);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("an older backup");
    }
    ASSERT_TRUE(db_.backupTo(target)) << err();
    db::Database copy;
    ASSERT_TRUE(copy.open(target));
    EXPECT_EQ(copy.scalar(QStringLiteral("select count(*) from tb_cadre"))->toInt(), 3);
    EXPECT_EQ(copy.scalar(QStringLiteral("select csny from tb_cadre where CadreID=1"))->toDate(),
              QDate(1972, 7, 15));
    copy.close();

    // Half-done work is never copied: a backup waits until no transaction is open.
    {
        db::Transaction tx(db_);
        run("insert into tb_cadre (xm) values ('未提交')");
        EXPECT_FALSE(db_.backupTo(target));
    }
    ASSERT_TRUE(copy.open(target));
    EXPECT_EQ(copy.scalar(QStringLiteral("select count(*) from tb_cadre"))->toInt(), 3);
    copy.close();

    EXPECT_FALSE(db_.backupTo(dir_.filePath(QStringLiteral("missing/folder/x.bak"))));
    EXPECT_FALSE(QFileInfo::exists(dir_.filePath(QStringLiteral("missing"))));
    EXPECT_EQ(QDir(dir_.path()).entryList({QStringLiteral("~BK*")}, QDir::Files).size(), 0);
}

TEST_F(DatabaseTest, CompactionShrinksTheFileAndKeepsTheData) {
    run("CREATE TABLE filler (t memo)");
    {
        db::Transaction tx(db_);
        for (int i = 0; i < 300; ++i) {
            ASSERT_TRUE(db_.exec(QStringLiteral("insert into filler (t) values (?)"),
                                 {QString(2000, QChar(u'x'))}));
        }
        ASSERT_TRUE(tx.commit());
    }
    run("delete * from filler");
    const qint64 before = QFileInfo(path()).size();
    ASSERT_TRUE(db_.compact()) << err();
    EXPECT_LT(QFileInfo(path()).size(), before / 4);
    EXPECT_TRUE(db_.isOpen());
    EXPECT_EQ(rows(QStringLiteral("select xm from tb_cadre where CadreID=2")),
              QStringLiteral("Tom"));
    EXPECT_EQ(QDir(dir_.path()).entryList({QStringLiteral("~CP*")}, QDir::Files).size(), 0);
}

TEST(DatabaseOpen, AFileThatIsNoDatabaseIsRefusedAndLeftAsItWas) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Cadre.db"));
    const QByteArray content = QByteArray("this is not a database file at all ").repeated(200);
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    db::Database db;
    EXPECT_FALSE(db.open(path));
    EXPECT_FALSE(db.isOpen());
    EXPECT_FALSE(db.lastError().isEmpty());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), content);

    EXPECT_FALSE(db.open(dir.filePath(QStringLiteral("missing.db"))));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("missing.db"))));
}

}  // namespace
