#pragma once

#include <QString>
#include <QtGlobal>

namespace db {
class Database;
}

// Synthetic working databases for benchmarks and tests: a tree of units and a given number of
// cadres with their posts, memberships, family members, assessments, rewards and photos, all
// consistent with each other the way the program itself keeps them.
namespace synth {

struct Options {
    int cadres = 1000;
    quint32 seed = 1;
};

// What a run wrote, table by table.
struct Counts {
    int units = 0;
    int cadres = 0;
    qint64 currentPosts = 0;
    qint64 formerPosts = 0;
    qint64 memberships = 0;
    qint64 familyMembers = 0;
    qint64 assessments = 0;
    qint64 rewards = 0;
    qint64 photos = 0;
    qint64 catalogueEntries = 0;
    qint64 reports = 0;  // major events, audits and opinions
    qint64 documents = 0;
};

// The largest number of cadres one run makes.
constexpr int kMaxCadres = 5000000;

// About one unit for every 25 cadres, and never fewer than the four that one branch of the
// four-level tree needs.
int unitCountFor(int cadres);

// Fills a database made from the template, whose unit and cadre tables must still be empty.
// Everything is written in one transaction: when fill() fails, the database is as it was.
class Generator {
  public:
    explicit Generator(const Options& options) : options_(options) {}

    bool fill(db::Database& db);
    const Counts& counts() const { return counts_; }
    QString lastError() const { return lastError_; }

  private:
    Options options_;
    Counts counts_;
    QString lastError_;
};

// Copies the template database to `target` and fills the copy. The file is written under a
// temporary name beside the target and takes the target's name only when it is complete; an
// existing target is then replaced.
bool generateDatabase(const QString& templatePath, const QString& target, const Options& options,
                      Counts* counts = nullptr, QString* error = nullptr);

}  // namespace synth
