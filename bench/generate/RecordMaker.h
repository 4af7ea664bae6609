#pragma once

#include <sqlite3.h>

#include <QByteArray>
#include <QString>
#include <memory>

#include "generate/Random.h"
#include "generate/RowInsert.h"
#include "generate/SyntheticData.h"

namespace synth {

// The records of a cadre that CadreMaker leaves out: the archive catalogue for every cadre,
// and for some cadres a major-event report, an audit, a public opinion and an attached document.
class RecordMaker {
  public:
    RecordMaker(Random& random, sqlite3* db, Counts& counts)
        : random_(random), db_(db), counts_(counts) {}

    // Prepares the statements and the packed document; false with `error` set when it cannot.
    bool prepare(QString& error);
    // The records of cadre `id`, who started work in month `workStart`.
    bool write(int id, int workStart, QString& error);

  private:
    bool writeCatalogue(int id, int workStart);
    bool writeReports(int id, int workStart);
    bool writeDocument(int id);

    Random& random_;
    sqlite3* db_;
    Counts& counts_;
    std::unique_ptr<RowInsert> catalogue_, event_, audit_, opinion_, file_, link_;
    QByteArray document_;  // a short report packed as a ZIP archive
};

}  // namespace synth
