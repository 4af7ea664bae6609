#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "support/QtPrinters.h"

namespace {

struct ToolRun {
    int exitCode;
    QString out;
    QString err;
};

ToolRun cadreSql(const QString& file, const QString& statement) {
    QProcess p;
    p.start(QStringLiteral(CADRE_SQL_PATH), {file, statement});
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

TEST(CadreSql, RunsStatementsAndPrintsRowsUnderAHeader) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("new.db"));
    ASSERT_EQ(cadreSql(file, QStringLiteral("CREATE TABLE tb_cadre ([CadreID] Counter, xm "
                                            "TEXT(50), csny DATETIME, gzjl memo)"))
                  .exitCode,
              0);
    EXPECT_TRUE(QFileInfo::exists(file));
    ASSERT_EQ(cadreSql(file, QStringLiteral("insert into tb_cadre (xm,csny,gzjl) values "
                                            "('张三',#1972-07-15#,'第一行\r\n第二行\t完')"))
                  .exitCode,
              0);
    const ToolRun r = cadreSql(file, QStringLiteral("select CadreID, xm, csny, gzjl, "
                                                    "Year(#2012-07-15#-csny)-1900 as age, "
                                                    "gbOrd from tb_cadre"));
    EXPECT_EQ(r.exitCode, 1);  // gbOrd does not exist
    EXPECT_TRUE(r.err.contains(QStringLiteral("gbOrd"))) << r.err;

    const ToolRun ok = cadreSql(file, QStringLiteral("select CadreID, xm, csny, gzjl, "
                                                     "Year(#2012-07-15#-csny)-1900 as age from "
                                                     "tb_cadre where xm like '张%'"));
    EXPECT_EQ(ok.exitCode, 0) << ok.err;
    EXPECT_EQ(ok.out, QStringLiteral("CadreID\txm\tcsny\tgzjl\tage\n"
                                     "1\t张三\t1972-07-15\t第一行\\r\\n第二行\\t完\t40\n"));
}

TEST(CadreSql, ReportsUsageAndBadStatements) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("x.db"));
    EXPECT_EQ(cadreSql(file, QStringLiteral("select 1; drop table x")).exitCode, 1);
    const ToolRun bad = cadreSql(file, QStringLiteral("select from where"));
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("select from where"))) << bad.err;
    QProcess p;
    p.start(QStringLiteral(CADRE_SQL_PATH), {file});
    p.waitForFinished(30000);
    EXPECT_EQ(p.exitCode(), 2);
}

}  // namespace
