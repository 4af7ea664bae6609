#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "db/Database.h"
#include "schema/TemplateBuilder.h"
#include "support/QtPrinters.h"

namespace {

void write(const QString& path, const char* text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

TEST(TemplateBuilder, SplitsSourcesIntoStatements) {
    const QStringList statements =
        schema::readStatements(QStringLiteral("-- a comment line\n"
                                              "CREATE TABLE a (\n  x TEXT(5), y integer);\n"
                                              "\n"
                                              "insert into a (x) values ('1;2');\n"
                                              "  -- indented comment\n"
                                              "insert into a (x) values ('--')\n"));
    ASSERT_EQ(statements.size(), 3);
    EXPECT_EQ(statements[0], QStringLiteral("CREATE TABLE a (\nx TEXT(5), y integer)"));
    EXPECT_EQ(statements[1], QStringLiteral("insert into a (x) values ('1;2')"));
    EXPECT_EQ(statements[2], QStringLiteral("insert into a (x) values ('--')"));
}

TEST(TemplateBuilder, BuildsWholeOrLeavesNothing) {
    QTemporaryDir dir;
    const QString schemaFile = dir.filePath(QStringLiteral("schema.sql"));
    const QString good = dir.filePath(QStringLiteral("good.sql"));
    const QString bad = dir.filePath(QStringLiteral("bad.sql"));
    write(schemaFile, "CREATE TABLE tb_xl ([id] Counter, xl TEXT(50), v INTEGER);\n");
    write(good, "insert into tb_xl (xl,v) values ('大学',4);\n");
    write(bad,
          "insert into tb_xl (xl,v) values ('研究生',5);\ninsert into tb_none (x) values (1);\n");
    const QString target = dir.filePath(QStringLiteral("Empty.db"));

    schema::TemplateBuilder builder;
    const Result<void> refused = builder.buildEmpty(target, schemaFile, {good, bad});
    EXPECT_FALSE(refused);
    EXPECT_TRUE(refused.errorText().contains(QStringLiteral("bad.sql"))) << refused.errorText();
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_TRUE(QDir(dir.path()).entryList({QStringLiteral("*.part")}).isEmpty());

    const Result<void> built = builder.buildEmpty(target, schemaFile, {good});
    ASSERT_TRUE(built) << built.errorText();
    db::Database db;
    ASSERT_TRUE(db.open(target));
    EXPECT_EQ(db.scalar(QStringLiteral("select xl from tb_xl where v=4"))->toString(),
              QStringLiteral("大学"));
}

}  // namespace
