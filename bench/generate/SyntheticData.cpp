#include "generate/SyntheticData.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "db/Database.h"
#include "generate/CadreMaker.h"
#include "generate/Organisation.h"
#include "generate/Random.h"
#include "generate/RecordMaker.h"

namespace synth {

namespace {

// Tables whose rows hang on units or cadres. The template may come with a sample organisation
// in them; a generated organisation replaces it whole.
const char* const kOrganisationTables[] = {"tb_department",
                                           "tb_department_zs",
                                           "tb_department_bz",
                                           "tb_bzkc",
                                           "tb_cadre",
                                           "tb_cadre_node",
                                           "tb_cadre_zw",
                                           "tb_family",
                                           "tb_kc",
                                           "tb_jc",
                                           "tb_fggzlr",
                                           "tb_fggb",
                                           "tb_fgcj",
                                           "E01",
                                           "A54",
                                           "A55",
                                           "A56",
                                           "tb_File",
                                           "tb_fileLink",
                                           "tb_rmmc",
                                           "tb_rmmc_detail",
                                           "tb_beadroll",
                                           "tb_beadroll_detail",
                                           "tb_beadroll_mirror",
                                           "tb_pxCadre",
                                           "tb_pxCadre2",
                                           "tb_querytemp",
                                           "tb_tcid",
                                           "tb_check",
                                           "tb_totalInfor"};

bool clearOrganisation(db::Database& db) {
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return false;
    }
    const bool hasSequence =
        db.scalar(QStringLiteral("select count(*) from sqlite_master where name='sqlite_sequence'"))
            ->toInt() > 0;
    for (const char* name : kOrganisationTables) {
        const QString table = QString::fromLatin1(name);
        if (!db.hasTable(table)) {
            continue;
        }
        if (!db.execNative(QStringLiteral("delete from [%1]").arg(table)) ||
            (hasSequence &&
             !db.execNative(QStringLiteral("delete from sqlite_sequence where name=?"), {table}))) {
            return false;
        }
    }
    return transaction.commit();
}

}  // namespace

int unitCountFor(int cadres) {
    return std::max(4, (cadres + 12) / 25);
}

bool Generator::fill(db::Database& db) {
    counts_ = Counts();
    lastError_.clear();
    if (options_.cadres < 1 || options_.cadres > kMaxCadres) {
        lastError_ =
            QStringLiteral("the number of cadres must be between 1 and %1").arg(kMaxCadres);
        return false;
    }
    // Keys are given, not numbered by the database: the tables must not hold rows already.
    for (const QString& table : {QStringLiteral("tb_department"), QStringLiteral("tb_cadre")}) {
        if (!db.hasTable(table)) {
            lastError_ = QStringLiteral("the database has no table ") + table;
            return false;
        }
        const QVariant rows = db.scalar(QStringLiteral("select count(*) from ") + table).value();
        if (!rows.isValid()) {
            lastError_ = db.lastError();
            return false;
        }
        if (rows.toLongLong() != 0) {
            lastError_ = table + QStringLiteral(" already holds rows");
            return false;
        }
    }

    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        lastError_ = db.lastError();
        return false;
    }
    Counts counts;
    Random random(options_.seed);
    Organisation organisation;
    organisation.build(random, unitCountFor(options_.cadres));
    if (!organisation.write(db.handle(), lastError_)) {
        return false;
    }
    counts.units = static_cast<int>(organisation.units().size());
    {
        CadreMaker maker(random, organisation, db.handle(), counts);
        RecordMaker records(random, db.handle(), counts);
        if (!maker.prepare(lastError_) || !records.prepare(lastError_)) {
            return false;
        }
        for (int id = 1; id <= options_.cadres; ++id) {
            if (!maker.write(id, lastError_) ||
                !records.write(id, maker.lastWorkStart(), lastError_)) {
                return false;
            }
        }
    }
    if (!transaction.commit()) {
        lastError_ = db.lastError();
        return false;
    }
    counts_ = counts;
    return true;
}

bool generateDatabase(const QString& templatePath, const QString& target, const Options& options,
                      Counts* counts, QString* error) {
    const auto fail = [error](const QString& message) {
        if (error != nullptr) {
            *error = message;
        }
        return false;
    };
    if (!QFileInfo(templatePath).isFile()) {
        return fail(QStringLiteral("template database not found: ") + templatePath);
    }
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);
    if (!QFile::copy(templatePath, partial)) {
        return fail(QStringLiteral("cannot write ") + partial);
    }
    // An installed template may be read-only; its copy must not be.
    QFile::setPermissions(partial, QFile::permissions(partial) | QFile::WriteOwner);
    Generator generator(options);
    {
        db::Database db;
        // The file is ours alone until it is renamed, and it is thrown away when anything fails:
        // it needs no journal on disk and no waiting for the disk.
        const bool ready =
            db.open(partial) && db.execNative(QStringLiteral("PRAGMA journal_mode=MEMORY")) &&
            db.execNative(QStringLiteral("PRAGMA synchronous=OFF")) &&
            db.execNative(QStringLiteral("PRAGMA cache_size=-65536")) && clearOrganisation(db);
        const bool filled = ready && generator.fill(db) && db.refreshStatistics();
        if (!filled) {
            const QString message = ready ? generator.lastError() : db.lastError();
            db.close();
            QFile::remove(partial);
            return fail(message);
        }
    }
    if (QFileInfo::exists(target) && !QFile::remove(target)) {
        QFile::remove(partial);
        return fail(QStringLiteral("cannot replace ") + target);
    }
    if (!QFile::rename(partial, target)) {
        QFile::remove(partial);
        return fail(QStringLiteral("cannot write ") + target);
    }
    if (counts != nullptr) {
        *counts = generator.counts();
    }
    return true;
}

}  // namespace synth
