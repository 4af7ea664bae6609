#include <gtest/gtest.h>

#include <QStringList>

#include "db/JetTranslator.h"
#include "support/QtPrinters.h"

namespace {

QString translated(const char* jet) {
    const jet::Translation t = jet::translate(QString::fromUtf8(jet));
    if (!t.ok()) {
        return QStringLiteral("ERROR ") + t.error;
    }
    QStringList parts;
    for (const jet::TranslatedStatement& s : t.statements) {
        parts << s.sql;
    }
    return parts.join(QStringLiteral(" ;; "));
}

TEST(JetTranslator, TextInStringsAndBracketsIsNeverRewritten) {
    const QString out =
        translated("select 'Year(#2012-01-01#) & delete * -- True', [True], [Year] from t");
    EXPECT_TRUE(out.contains(QStringLiteral("'Year(#2012-01-01#) & delete * -- True'")))
        << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("[True], [Year]"))) << out.toStdString();
    EXPECT_EQ(translated("select \"it's\" from t"), QStringLiteral("select 'it''s' from t"));
}

TEST(JetTranslator, RewrittenTokensNeverFormComments) {
    // A date before 1899-12-30 is a negative serial; after a minus it must not become "--".
    const QString out = translated("select x-#1890-01-01#, y/*z*/2 from t");
    EXPECT_FALSE(out.contains(QStringLiteral("--"))) << out.toStdString();
    EXPECT_FALSE(out.contains(QStringLiteral("/*"))) << out.toStdString();
}

TEST(JetTranslator, StatementShapes) {
    struct Case {
        const char* jet;
        const char* sqlite;
    };
    const Case cases[] = {
        {"delete * from t where a=1", "delete from t where a=1"},
        {"select top 3 * from t order by x", "select * from t order by x LIMIT 3"},
        {"select * from t where id in (select top 1 id from u order by id desc)",
         "select * from t where id in (select id from u order by id desc LIMIT 1)"},
        {"select * from t where isnull(a) and not isnull(b.c)",
         "select * from t where (a IS NULL) and not (b.c IS NULL)"},
        {"select Year(#2012-07-15#-csny)-1900 as age from t",
         "select jet_yearspan(41105,csny)-1900 as age from t"},
        {"select Year(csny-10) from t", "select jet_year(csny-10) from t"},
        {"update t set b=True, c=False;", "update t set b=1, c=0"},
        {"select distinctrow a from t", "select DISTINCT a from t"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(translated(c.jet), QString::fromUtf8(c.sqlite)) << c.jet;
    }
}

TEST(JetTranslator, DefinitionsBecomeSqliteDefinitions) {
    EXPECT_EQ(translated("CREATE TABLE tb_x ([id] Counter,[dwID] integer NULL ,[rybz] TEXT(255) "
                         "NULL, n memo, d DATETIME, b bit, CONSTRAINT pk PRIMARY KEY (id))"),
              QStringLiteral("CREATE TABLE [tb_x] ([id] INTEGER PRIMARY KEY AUTOINCREMENT, [dwID] "
                             "INTEGER NULL, [rybz] TEXT(255) COLLATE NOCASE NULL, [n] TEXT COLLATE "
                             "NOCASE, [d] DATETIME, [b] BIT NOT NULL ON CONFLICT REPLACE "
                             "DEFAULT 0)"));
    EXPECT_EQ(translated("ALTER TABLE tb_general Add fnum INTEGER;"),
              QStringLiteral("ALTER TABLE [tb_general] ADD COLUMN [fnum] INTEGER"));
    EXPECT_EQ(translated("ALTER TABLE t drop COLUMN a,b"),
              QStringLiteral("ALTER TABLE [t] DROP COLUMN [a] ;; ALTER TABLE [t] DROP COLUMN [b]"));
    EXPECT_EQ(translated("ALTER TABLE E01 ALTER COLUMN E01Z104 INTEGER NULL"), QString());
    EXPECT_EQ(translated("Create Index iid On tb_DMJ (id) WITH PRIMARY"),
              QStringLiteral("CREATE UNIQUE INDEX [tb_DMJ_iid] ON [tb_DMJ] (id)"));
    EXPECT_EQ(translated("drop index iid on tb_DMJ"), QStringLiteral("DROP INDEX [tb_DMJ_iid]"));

    struct TypeCase {
        const char* jet;
        const char* sqlite;
    };
    const TypeCase types[] = {
        {"TEXT(50)", "TEXT(50) COLLATE NOCASE"},
        {"varchar(10)", "TEXT(10) COLLATE NOCASE"},
        {"text", "TEXT COLLATE NOCASE"},
        {"LONGTEXT", "TEXT COLLATE NOCASE"},
        {"long", "INTEGER"},
        {"SMALLINT", "SMALLINT"},
        {"byte", "TINYINT"},
        {"YESNO", "BIT"},
        {"date", "DATETIME"},
        {"double", "DOUBLE"},
        {"currency", "NUMERIC"},
        {"image", "BLOB"},
        {"decimal(10,2)", "DECIMAL(10,2)"},
        {"hyperlink", ""},
    };
    for (const TypeCase& t : types) {
        EXPECT_EQ(jet::sqliteColumnType(QString::fromUtf8(t.jet)), QString::fromUtf8(t.sqlite))
            << t.jet;
    }
}

// Jet yes/no columns are never null, however they are declared or added.
TEST(JetTranslator, YesNoColumnsAreNeverNull) {
    struct Case {
        const char* jet;
        const char* sqlite;
    };
    const Case cases[] = {
        {"CREATE TABLE t (b bit NULL)",
         "CREATE TABLE [t] ([b] BIT NOT NULL ON CONFLICT REPLACE DEFAULT 0)"},
        {"CREATE TABLE t (b YESNO NOT NULL)",
         "CREATE TABLE [t] ([b] BIT NOT NULL ON CONFLICT REPLACE DEFAULT 0)"},
        {"CREATE TABLE t (b bit default null)",
         "CREATE TABLE [t] ([b] BIT NOT NULL ON CONFLICT REPLACE DEFAULT 0)"},
        {"CREATE TABLE t (b bit DEFAULT 1)",
         "CREATE TABLE [t] ([b] BIT NOT NULL ON CONFLICT REPLACE DEFAULT 1)"},
        {"ALTER TABLE tb_cadre Add Checked BIT",
         "ALTER TABLE [tb_cadre] ADD COLUMN [Checked] BIT NOT NULL ON CONFLICT REPLACE DEFAULT 0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(translated(c.jet), QString::fromUtf8(c.sqlite)) << c.jet;
    }
}

TEST(JetTranslator, OtherFilesAreNamedAsAttachments) {
    const jet::Translation t = jet::translate(
        QStringLiteral("Select * into tb_px from [MS ACCESS;DataBase=/data/Db/Empty.db;].tb_px"));
    ASSERT_TRUE(t.ok()) << t.error.toStdString();
    ASSERT_EQ(t.attachments.size(), 1u);
    EXPECT_EQ(t.attachments[0].path, QStringLiteral("/data/Db/Empty.db"));
    EXPECT_EQ(t.statements[0].intoTable, QStringLiteral("tb_px"));
    EXPECT_EQ(t.statements[0].sql, QString(QStringLiteral("Select * from ") +
                                           t.attachments[0].alias + QStringLiteral(".tb_px")));
    EXPECT_TRUE(t.changesSchema);
}

}  // namespace
