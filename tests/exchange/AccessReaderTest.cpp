#include <gtest/gtest.h>
#include <unistd.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <cstdio>
#include <functional>
#include <optional>

#include "db/JetDate.h"
#include "exchange/AccessReader.h"
#include "support/QtPrinters.h"

using exchange::AccessFile;
using exchange::FieldType;

namespace {

QString fixture(const QString& name) {
    return QStringLiteral(CADRE_ACCESS_FIXTURES "/") + name;
}

std::unique_ptr<AccessFile> openFixture(const QString& name) {
    auto opened = AccessFile::open(fixture(name));
    EXPECT_TRUE(opened.ok()) << opened.errorText().toStdString();
    return opened ? std::move(opened.value()) : nullptr;
}

std::vector<QVariantList> allRows(AccessFile& file, const QString& table) {
    std::vector<QVariantList> rows;
    const Result<void> read = file.readRows(table, [&](const QVariantList& values) {
        rows.push_back(values);
        return Result<void>{};
    });
    EXPECT_TRUE(read.ok()) << read.errorText().toStdString();
    return rows;
}

int columnIndex(const exchange::SourceTable& table, const QString& name) {
    for (size_t i = 0; i < table.columns.size(); ++i) {
        if (table.columns[i].name == name) {
            return static_cast<int>(i);
        }
    }
    ADD_FAILURE() << "no column " << name.toStdString();
    return 0;
}

// The number of rows mdb-export writes for a table.
int exportedRowCount(const QString& file, const QString& table) {
    QProcess exporter;
    exporter.start(QStringLiteral("mdb-export"),
                   {QStringLiteral("-H"), QStringLiteral("-b"), QStringLiteral("strip"),
                    QStringLiteral("-R"), QStringLiteral("@@ROW@@"), file, table});
    if (!exporter.waitForFinished(60000) || exporter.exitCode() != 0) {
        return -1;
    }
    return static_cast<int>(exporter.readAllStandardOutput().count("@@ROW@@"));
}

TEST(AccessReader, EveryTableOfAJet3FileHasTheRowsMdbExportGives) {
    auto file = openFixture(QStringLiteral("nwind.mdb"));
    ASSERT_TRUE(file);
    QStringList names;
    for (const auto& table : file->tables()) {
        names << table.name;
    }
    EXPECT_EQ(names.size(), 9) << names.join(u',').toStdString();
    EXPECT_TRUE(names.contains(QStringLiteral("Umsätze")));
    for (const auto& table : file->tables()) {
        const int expected = exportedRowCount(fixture(QStringLiteral("nwind.mdb")), table.name);
        ASSERT_GT(expected, 0) << table.name.toStdString();
        EXPECT_EQ(static_cast<int>(allRows(*file, table.name).size()), expected)
            << table.name.toStdString();
    }
}

TEST(AccessReader, ValuesOfAJet3FileKeepTheirTypesAndDigits) {
    auto file = openFixture(QStringLiteral("nwind.mdb"));
    ASSERT_TRUE(file);
    const auto& products = *exchange::findTable(*file, QStringLiteral("Products"));
    const auto rows = allRows(*file, QStringLiteral("Products"));
    ASSERT_FALSE(rows.empty());
    const QVariantList& chai = rows.front();
    EXPECT_EQ(chai[columnIndex(products, QStringLiteral("ProductName"))].toString(),
              QStringLiteral("Chai"));
    EXPECT_EQ(products.columns[columnIndex(products, QStringLiteral("UnitPrice"))].type,
              FieldType::Currency);
    EXPECT_EQ(chai[columnIndex(products, QStringLiteral("UnitPrice"))].toString(),
              QStringLiteral("18.0000"));
    EXPECT_EQ(chai[columnIndex(products, QStringLiteral("Discontinued"))].toInt(), 0);
    int discontinued = 0;
    for (const auto& row : rows) {
        discontinued += row[columnIndex(products, QStringLiteral("Discontinued"))].toInt();
    }
    EXPECT_GT(discontinued, 0);

    const auto& orders = *exchange::findTable(*file, QStringLiteral("Orders"));
    const auto orderRows = allRows(*file, QStringLiteral("Orders"));
    const QVariantList& first = orderRows.front();
    EXPECT_EQ(first[columnIndex(orders, QStringLiteral("OrderID"))].toLongLong(), 10330);
    EXPECT_EQ(
        jet::dateFromSerial(first[columnIndex(orders, QStringLiteral("OrderDate"))].toDouble()),
        QDate(1994, 11, 16));
    EXPECT_EQ(first[columnIndex(orders, QStringLiteral("Freight"))].toString(),
              QStringLiteral("12.7500"));
    EXPECT_EQ(first[columnIndex(orders, QStringLiteral("ShipAddress"))].toString(),
              QStringLiteral("Carrera 52 con Ave. Bolívar #65-98 Llano Largo"));
    EXPECT_FALSE(first[columnIndex(orders, QStringLiteral("ShipRegion"))].isNull());
    EXPECT_FALSE(orderRows[1][columnIndex(orders, QStringLiteral("ShipRegion"))].isValid());
}

// Jet 3 keeps text in the code page its header names: the same bytes read as GBK once the header
// names code page 936, or none (the users' own files). The header is stored masked with a fixed
// key stream, so the code page's bytes change by the difference of the two values.
TEST(AccessReader, Jet3TextFollowsTheCodePageTheFileNames) {
    QFile original(fixture(QStringLiteral("nwind.mdb")));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray whole = original.readAll();
    QStringDecoder fromGbk("GBK");
    const QString expected =
        fromGbk(QByteArray("Carrera 52 con Ave. Bol\xEDvar #65-98 Llano Largo"));
    ASSERT_NE(expected, QStringLiteral("Carrera 52 con Ave. Bolívar #65-98 Llano Largo"));
    QTemporaryDir dir;
    for (const quint16 codePage : {quint16{936}, quint16{0}}) {
        SCOPED_TRACE(codePage);
        QByteArray bytes = whole;
        const quint16 change = 1252 ^ codePage;
        bytes[0x3C] = static_cast<char>(bytes[0x3C] ^ (change & 0xFF));
        bytes[0x3D] = static_cast<char>(bytes[0x3D] ^ (change >> 8));
        QFile gbk(dir.filePath(QStringLiteral("gbk%1.mdb").arg(codePage)));
        ASSERT_TRUE(gbk.open(QIODevice::WriteOnly));
        gbk.write(bytes);
        gbk.close();
        auto opened = AccessFile::open(gbk.fileName());
        ASSERT_TRUE(opened.ok()) << opened.errorText().toStdString();
        const auto& orders = *exchange::findTable(**opened, QStringLiteral("Orders"));
        const auto rows = allRows(**opened, QStringLiteral("Orders"));
        EXPECT_EQ(rows.front()[columnIndex(orders, QStringLiteral("ShipAddress"))].toString(),
                  expected);
    }
}

TEST(AccessReader, PicturesInOleFieldsComeOutAsImages) {
    auto file = openFixture(QStringLiteral("nwind.mdb"));
    ASSERT_TRUE(file);
    for (const auto& [tableName, columnName] :
         {std::pair{QStringLiteral("Employees"), QStringLiteral("Photo")},
          std::pair{QStringLiteral("Categories"), QStringLiteral("Picture")}}) {
        const auto& table = *exchange::findTable(*file, tableName);
        const int column = columnIndex(table, columnName);
        EXPECT_EQ(table.columns[column].type, FieldType::Binary);
        int pictures = 0;
        for (const auto& row : allRows(*file, tableName)) {
            const QByteArray bytes = row[column].toByteArray();
            ASSERT_FALSE(bytes.isEmpty()) << tableName.toStdString();
            const QImage image = QImage::fromData(bytes);
            EXPECT_FALSE(image.isNull()) << tableName.toStdString() << " " << pictures;
            EXPECT_GT(image.width(), 10);
            ++pictures;
        }
        EXPECT_GT(pictures, 0);
    }
}

TEST(AccessReader, MemoTextsAreWholeAndAsMdbExportGivesThem) {
    auto file = openFixture(QStringLiteral("nwind.mdb"));
    ASSERT_TRUE(file);
    const auto& employees = *exchange::findTable(*file, QStringLiteral("Employees"));
    const int notes = columnIndex(employees, QStringLiteral("Notes"));
    EXPECT_EQ(employees.columns[notes].type, FieldType::Memo);
    const auto rows = allRows(*file, QStringLiteral("Employees"));
    QProcess exporter;
    exporter.start(QStringLiteral("mdb-export"),
                   {QStringLiteral("-H"), QStringLiteral("-Q"), QStringLiteral("-d"),
                    QStringLiteral("\x1f"), QStringLiteral("-R"), QStringLiteral("\x1e"),
                    QStringLiteral("-b"), QStringLiteral("strip"),
                    fixture(QStringLiteral("nwind.mdb")), QStringLiteral("Employees")});
    ASSERT_TRUE(exporter.waitForFinished(60000));
    const QStringList lines =
        QString::fromUtf8(exporter.readAllStandardOutput()).split(QChar(0x1e), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), static_cast<qsizetype>(rows.size()));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString text = rows[i][notes].toString();
        EXPECT_GT(text.size(), 50);
        EXPECT_EQ(lines[i].split(QChar(0x1f))[notes], text);
    }
}

TEST(AccessReader, DatesOfAJet4FileAreExact) {
    auto file = openFixture(QStringLiteral("DateTestDatabase.mdb"));
    ASSERT_TRUE(file);
    const auto& table = *exchange::findTable(*file, QStringLiteral("DateTest"));
    for (const QString& column :
         {QStringLiteral("DateTimeCol"), QStringLiteral("DateCol"), QStringLiteral("TimeCol")}) {
        EXPECT_EQ(table.columns[columnIndex(table, column)].type, FieldType::Date);
    }
    const auto rows = allRows(*file, QStringLiteral("DateTest"));
    ASSERT_EQ(rows.size(), 6u);
    // The serials as stored, and the days they stand for, columns DateTimeCol, DateCol, TimeCol.
    const struct {
        double serials[3];
        QDate days[3];
        QString text;
    } expected[] = {
        {{44532, 44532, 44532},
         {QDate(2021, 12, 2), QDate(2021, 12, 2), QDate(2021, 12, 2)},
         QStringLiteral("Hello")},
        {{2958101, 2958101, 2958101},
         {QDate(9999, 1, 1), QDate(9999, 1, 1), QDate(9999, 1, 1)},
         QStringLiteral("Year 9999")},
        {{-728, -363, 2},
         {QDate(1898, 1, 1), QDate(1899, 1, 1), QDate(1900, 1, 1)},
         QStringLiteral("Pre-1900 years")},
        {{-463126, -462760, -462395},
         {QDate(632, 1, 1), QDate(633, 1, 1), QDate(634, 1, 1)},
         QStringLiteral("Pre-1000 years")},
        {{44532, 44532, 44532},
         {QDate(2021, 12, 2), QDate(2021, 12, 2), QDate(2021, 12, 2)},
         QStringLiteral("Escaped new line \\r\\n in field")},
        {{44532, 44532, 44532},
         {QDate(2021, 12, 2), QDate(2021, 12, 2), QDate(2021, 12, 2)},
         QStringLiteral("New line\r\nin field")},
    };
    const int text = columnIndex(table, QStringLiteral("LongTextCol"));
    for (size_t r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(rows[r][c + 1].toDouble(), expected[r].serials[c]) << r << "," << c;
            EXPECT_EQ(jet::dateFromSerial(rows[r][c + 1].toDouble()), expected[r].days[c])
                << r << "," << c;
        }
        EXPECT_EQ(rows[r][text].toString(), expected[r].text) << r;
    }
}

TEST(AccessReader, AnAccdbFileIsRead) {
    auto file = openFixture(QStringLiteral("ASampleDatabase.accdb"));
    ASSERT_TRUE(file);
    const auto& table = *exchange::findTable(*file, QStringLiteral("Asset Items"));
    const auto rows = allRows(*file, QStringLiteral("Asset Items"));
    EXPECT_EQ(static_cast<int>(rows.size()),
              exportedRowCount(fixture(QStringLiteral("ASampleDatabase.accdb")),
                               QStringLiteral("Asset Items")));
    const QVariantList& first = rows.front();
    EXPECT_EQ(first[columnIndex(table, QStringLiteral("Make"))].toString(),
              QStringLiteral("GEO Rocket"));
    EXPECT_EQ(first[columnIndex(table, QStringLiteral("Cost"))].toString(),
              QStringLiteral("1995.5000"));
    EXPECT_EQ(jet::dateFromSerial(first[columnIndex(table, QStringLiteral("Acquired"))].toDouble()),
              QDate(1997, 9, 2));
}

// Every table of the file read to the end: the reader's failure, or success.
Result<void> readEverything(const QString& path) {
    auto opened = AccessFile::open(path, std::chrono::seconds(5));
    if (!opened) {
        return opened.failure();
    }
    for (const auto& table : (*opened)->tables()) {
        qint64 cells = 0;
        const Result<void> read = (*opened)->readRows(table.name, [&](const QVariantList& values) {
            for (const QVariant& value : values) {
                cells += value.isValid() ? 1 : 0;
            }
            return Result<void>{};
        });
        if (!read) {
            return read;
        }
    }
    return {};
}

// Damaged copies of every sample file, cut short or with bits flipped, give the reader's message
// or read through; the reader never crashes and never writes to the file it reads.
TEST(AccessReader, DamagedFilesGiveAMessageAndStayAsTheyWere) {
    QTemporaryDir dir;
    QRandomGenerator random(20261211);
    int refused = 0;
    for (const QString& name : {QStringLiteral("nwind.mdb"), QStringLiteral("DateTestDatabase.mdb"),
                                QStringLiteral("ASampleDatabase.accdb")}) {
        QFile original(fixture(name));
        ASSERT_TRUE(original.open(QIODevice::ReadOnly));
        const QByteArray whole = original.readAll();
        std::vector<QByteArray> copies;
        for (const qsizetype length :
             {qsizetype{0}, qsizetype{100}, qsizetype{2048}, qsizetype{4096}, qsizetype{4097},
              whole.size() / 3, whole.size() / 2, whole.size() - 1}) {
            copies.push_back(whole.left(length));
        }
        for (int i = 0; i < 40; ++i) {
            QByteArray flipped = whole;
            const int flips = 1 + static_cast<int>(random.bounded(64));
            // Half of the copies are damaged in the catalogue's first pages, the rest anywhere.
            const qsizetype range = i % 2 ? whole.size() : qMin<qsizetype>(whole.size(), 16384);
            for (int f = 0; f < flips; ++f) {
                const auto at = static_cast<qsizetype>(random.bounded(static_cast<quint64>(range)));
                flipped[at] = static_cast<char>(flipped[at] ^ (1 << random.bounded(8)));
            }
            copies.push_back(flipped);
        }
        for (size_t i = 0; i < copies.size(); ++i) {
            const QString path = dir.filePath(QStringLiteral("damaged-%1-%2").arg(i).arg(name));
            QFile copy(path);
            ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
            copy.write(copies[i]);
            copy.close();
            const Result<void> read = readEverything(path);
            if (!read) {
                ++refused;
                EXPECT_TRUE(read.failure().message.startsWith(exchange::kNotAnAccessFile) ||
                            read.failure().message.startsWith(exchange::kDamagedAccessFile) ||
                            read.failure().message == exchange::kAccessReadStopped)
                    << read.errorText().toStdString();
            }
            ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
            EXPECT_EQ(copy.readAll(), copies[i]) << path.toStdString();
        }
    }
    EXPECT_GT(refused, 3);
}

// One flipped bit in the properties of a catalogue entry makes libmdb loop for ever while it
// reads the catalogue, writing a warning on standard error on every turn. Returns the path of
// such a copy of the sample .accdb file in `dir`.
QString loopingCopy(const QTemporaryDir& dir) {
    QFile original(fixture(QStringLiteral("ASampleDatabase.accdb")));
    EXPECT_TRUE(original.open(QIODevice::ReadOnly));
    QByteArray bytes = original.readAll();
    bytes[438244] = static_cast<char>(bytes[438244] ^ 0x08);
    QFile damaged(dir.filePath(QStringLiteral("loops.accdb")));
    EXPECT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(bytes);
    return damaged.fileName();
}

// What this process writes to its standard error while `work` runs.
QByteArray standardErrorOf(const std::function<void()>& work) {
    QTemporaryFile capture;
    EXPECT_TRUE(capture.open());
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    dup2(capture.handle(), STDERR_FILENO);
    work();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    capture.seek(0);
    return capture.readAll();
}

// The trial reading is stopped and the file refused.
TEST(AccessReader, AFileThatLibmdbCannotFinishIsRefused) {
    QTemporaryDir dir;
    const auto opened = AccessFile::open(loopingCopy(dir), std::chrono::seconds(2));
    ASSERT_FALSE(opened.ok());
    EXPECT_EQ(opened.failure().message, exchange::kAccessReadStopped);
    // The sound file passes the same trial.
    EXPECT_TRUE(
        AccessFile::open(fixture(QStringLiteral("ASampleDatabase.accdb")), std::chrono::seconds(2))
            .ok());
}

// The warnings libmdb writes while it loops reach neither the terminal nor a log: the refusal
// counts them and quotes the first few.
TEST(AccessReader, TheLibrarysWarningsOnARefusedFileAreCountedNotPrinted) {
    QTemporaryDir dir;
    const QString path = loopingCopy(dir);
    std::optional<Result<std::unique_ptr<AccessFile>>> opened;
    const QByteArray printed =
        standardErrorOf([&] { opened = AccessFile::open(path, std::chrono::seconds(2)); });
    ASSERT_TRUE(opened && !opened->ok());
    EXPECT_EQ(opened->failure().message, exchange::kAccessReadStopped);
    EXPECT_TRUE(printed.isEmpty()) << printed.size() << " bytes: " << printed.left(200).data();

    const QStringList details = opened->failure().dbError.split(u'\n');
    ASSERT_EQ(details.size(), 7) << opened->failure().dbError.left(1000).toStdString();
    EXPECT_EQ(details[0], QDir::toNativeSeparators(path));
    const QRegularExpressionMatch counted =
        QRegularExpression(QStringLiteral("^mdbtools 警告 (\\d+) 条，前 5 条：$"))
            .match(details[1]);
    ASSERT_TRUE(counted.hasMatch()) << details[1].toStdString();
    EXPECT_GT(counted.captured(1).toLongLong(), 1000);
    for (qsizetype i = 2; i < details.size(); ++i) {
        EXPECT_EQ(details[i],
                  QStringLiteral("Warning: mdb_col_to_string called on unsupported data type 0."));
    }
}

}  // namespace
