#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <QVariantList>
#include <vector>

#include "db/Database.h"
#include "db/SqlText.h"

// A copy of the empty template database with the tables the main window, the unit tree, the posts
// pages and the search run their statements on, filled with a data set whose answers are known by
// heart: a unit tree three levels deep, seven cadres with birth dates on both sides of an age
// boundary, current and former posts, memberships with orders, quotas, staffing rows, rosters,
// plans, training records, assessments and the rank, education and degree tables.
//
// Ages are counted on catalog::today() (2012-07-15): 王建国 (born 1972-07-15) is 40 and
// 李红 (born 1972-07-16) is 39.
namespace catalog {

QDate today();

// The program's statement fragments as of today().
const sql::Fragments& fragments();

// A number as statement text.
inline QString n(int value) {
    return QString::number(value);
}

// Units of the tree, with their index (dwIndex) and order:
//   001      中共某市委员会 (市委)       order 1
//   00101      组织部                   order 1
//   0010101      干部科                 order 1
//   0010102      组织科 (no members)    order 2
//   00102      宣传部                   order 2
//   002      某市人民政府 (市政府)       order 2
//   00201      办公室 (政府办)          order 1
//   003      四套班子 (grouping node)   order 3
// The ids do not follow the index order, so that an order by ID shows.
enum Unit : int {
    kCityCommittee = 1,
    kCityGovernment = 2,
    kPublicity = 3,
    kOrganisation = 4,
    kCadreSection = 5,
    kOrgSection = 6,
    kGovernmentOffice = 7,
    kLeadingGroup = 8,
};

// Cadres; gbOrd order is 李红, 欧阳明月, 王建国, 孙七, Tom, 赵六, tom.
enum Cadre : int {
    kWang = 1,     // 王建国, 1972-07-15, ctype 1, 正处级, 教授
    kLi = 2,       // "李  红", 1972-07-16, ctype 2, 副处级, 副教授, ZwLock set
    kTom = 3,      // Tom, 1980-01-01, ctype 6, 正科级, 回族, no political status
    kOuyang = 4,   // 欧阳明月, 1965-03-01, ctype 4, 正处级
    kZhao = 5,     // 赵六, 1958-12-31, retired (classid 1), in no unit
    kSun = 6,      // 孙七, 1990-07-15, ctype 2, 科员
    kTomLower = 7  // tom, transferred out (classid 2), no birth date, in no unit
};

// Rows of a result as "value|value|..." over the named columns (comma separated; every column
// when empty). Dates read yyyy-MM-dd, yes/no values True/False and NULL reads "NULL", so that a
// NULL and an empty text stay apart. A column the result does not have reads "<no column x>".
QStringList renderRows(const db::QueryResult& result, const QString& columns = {});

class CatalogFixture {
  public:
    CatalogFixture();
    CatalogFixture(const CatalogFixture&) = delete;
    CatalogFixture& operator=(const CatalogFixture&) = delete;

    // False when the database could not be built; error() then tells which statement failed.
    bool ok() const { return error_.isEmpty(); }
    QString error() const { return error_; }

    db::Database& db() { return db_; }
    const sql::Fragments& fragments() const { return fragments_; }

    // Runs a select and renders its rows; a failing select gives one row "ERROR: <text>".
    QStringList rows(const QString& jetSql, const QString& columns = {});

    // An insert statement with every value written as a literal of the program's dialect:
    // texts quoted, dates between '#', yes/no as True/False, NULL for an invalid QVariant.
    static QString insertStatement(const QString& table, const QString& columns,
                                   const QVariantList& values);

  private:
    bool run(const QString& jetSql);
    bool insert(const QString& table, const QString& columns, const QVariantList& values);
    bool clearTemplateRows();
    bool fillUnits();
    bool fillCadres();
    bool fillPostsAndMemberships();
    bool fillSettings();
    bool fillRostersAndPlans();
    bool fillTrainingAndAssessments();
    bool fillCodeTables();

    QTemporaryDir dir_;
    db::Database db_;
    sql::Fragments fragments_;
    QString error_;
};

// One statement of the program, or a short sequence of them, and what it must leave behind.
struct Check {
    QString sql;      // a select run after the statements; empty: the rows of the last statement
    QString columns;  // columns shown, comma separated; empty: all of them
    QStringList rows;
    bool anyOrder = false;  // the statement fixes no order: rows are compared as a set
};

struct StatementCase {
    const char* name;
    QStringList statements;  // run in order; a select is read, anything else executed
    std::vector<Check> checks;
    QStringList setup = {};  // statements that shape the data for this case only
};

// Runs every case on a fresh fixture and reports each failing statement or check with the
// case's name.
void runStatementCases(const std::vector<StatementCase>& cases);

}  // namespace catalog
