#include "cadre/CadreEditSession.h"

#include "app/DataModule.h"
#include "cadre/Photo.h"
#include "db/Database.h"

namespace cadre {

namespace {

// A place typed for the first time joins its picker's list.
void offerPlace(QStringList& list, const QString& place) {
    if (!place.isEmpty() && !list.contains(place)) {
        list << place;
    }
}

}  // namespace

CadreEditSession::CadreEditSession(TDataM& dm, QStringList& nativePlaces, QStringList& birthPlaces)
    : dm_(dm), nativePlaces_(nativePlaces), birthPlaces_(birthPlaces) {}

Result<CadreValues> CadreEditSession::open(int cadreId) {
    Result<CadreValues> row = readCadre(dm_.db(), cadreId);
    if (!row) {
        return row.failure();
    }
    cadreId_ = cadreId;
    isNew_ = false;
    unitForNew_ = 0;
    return std::move(*row);
}

const CadreValues& CadreEditSession::startNew(int library, int unitId) {
    cadreId_ = 0;
    isNew_ = true;
    unitForNew_ = unitId;
    newRecord_ = newCadreDefaults(dm_.db(), library);
    return newRecord_;
}

void CadreEditSession::close() {
    cadreId_ = 0;
    isNew_ = false;
    unitForNew_ = 0;
}

Result<SavedRecord> CadreEditSession::save(const CadreValues& edited,
                                           const std::optional<QByteArray>& photo) {
    if (!hasRecord()) {
        return SavedRecord{};
    }
    db::Database& db = dm_.db();
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return Failure{{}, db.lastError()};
    }
    const Result<SavedCadre> saved =
        saveCadre(dm_, isNew_ ? 0 : cadreId_, edited, isNew_ ? unitForNew_ : 0);
    if (!saved) {
        return saved.failure();
    }
    const int savedId = saved->cadreId;
    if (photo) {
        const Result<void> written = writePhoto(dm_, savedId, *photo);
        if (!written) {
            return written.failure();
        }
    }
    if (!transaction.commit()) {
        return Failure{{}, db.lastError()};
    }
    if (!saved->wrote && !photo) {
        return SavedRecord{};
    }
    listsStale_ = true;
    cadreId_ = savedId;
    isNew_ = false;
    unitForNew_ = 0;
    offerPlace(nativePlaces_, edited.value(QStringLiteral("jgsheng")).toString());
    offerPlace(birthPlaces_, edited.value(QStringLiteral("cssheng")).toString());
    Result<CadreValues> stored = readCadre(db, cadreId_);
    return SavedRecord{true, stored ? std::optional(std::move(*stored)) : std::nullopt};
}

Result<CadreValues> CadreEditSession::cancel() {
    if (isNew_) {
        return newRecord_;
    }
    if (cadreId_ == 0) {
        return CadreValues{};
    }
    return readCadre(dm_.db(), cadreId_);
}

Result<CadreValues> CadreEditSession::writeCurrentPosts(const CurrentPostTexts& texts,
                                                        bool locked) {
    if (locked) {
        return CadreValues{};
    }
    db::Database& db = dm_.db();
    if (!db.exec(QStringLiteral("update tb_cadre set xrz=?,allZwList=?,allRzsjList=? "
                                "where CadreID=?"),
                 {texts.posts, texts.posts, texts.appointed, cadreId_})) {
        return Failure{{}, db.lastError()};
    }
    return CadreValues{{QStringLiteral("xrz"), texts.posts},
                       {QStringLiteral("allZwList"), texts.posts},
                       {QStringLiteral("allRzsjList"), texts.appointed}};
}

}  // namespace cadre
