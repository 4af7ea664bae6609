#pragma once

#include <QByteArray>
#include <QStringList>
#include <optional>

#include "cadre/CadreRecord.h"
#include "cadre/CurrentPosts.h"
#include "db/Result.h"

class TDataM;

namespace cadre {

// What a save that passed its checks did.
struct SavedRecord {
    // False when neither a value nor the photo differed from what is stored.
    bool wrote = false;
    // The stored row read back after the save (without the photo); nullopt when it could not be
    // read.
    std::optional<CadreValues> stored;
};

// The life of the one record the cadre editor holds: an existing cadre opened, or a new one
// started in a library (and, once saved, joined to a unit). A save writes the changed values
// and the pending photo in one transaction and offers newly typed places in the pickers' lists;
// the current-post writer puts the texts of a post change into the held record. The editor maps
// its controls to column values and shows what is returned here.
class CadreEditSession {
  public:
    // `nativePlaces` and `birthPlaces` are the pickers' lists that places typed for the first
    // time join after a save.
    CadreEditSession(TDataM& dm, QStringList& nativePlaces, QStringList& birthPlaces);

    // Holds the stored record of `cadreId`; its row without the photo, or kCadreMissing when
    // it cannot be read.
    Result<CadreValues> open(int cadreId);
    // Holds a new record of library `library` (0 serving, 1 retired, 2 transferred out) that
    // joins unit `unitId` (0: none) when first saved; its starting values.
    const CadreValues& startNew(int library, int unitId);
    // Holds no record.
    void close();

    bool hasRecord() const { return cadreId_ != 0 || isNew_; }
    bool isNew() const { return isNew_; }
    // The held cadre; 0 for a new record before its first save, or with no record.
    int cadreId() const { return cadreId_; }
    // The starting values of the held new record.
    const CadreValues& newRecord() const { return newRecord_; }
    // Whether a save of this session wrote, so that lists of cadres are to be read again.
    bool listsStale() const { return listsStale_; }

    // Saves the `edited` values (see saveCadre) and, when given, `photo` as the cadre's photo,
    // all in one transaction: a refusal or a failure writes nothing, the photo included. A
    // refused record gives its messages in order, one per line of the failure's message. After
    // the first save a new record is held as the stored cadre it became.
    Result<SavedRecord> save(const CadreValues& edited, const std::optional<QByteArray>& photo);

    // The values to show again when the edits are dropped: the starting values of a new
    // record, else the stored row.
    Result<CadreValues> cancel();

    // Writes the current-post texts into the held record (xrz and allZwList the posts,
    // allRzsjList the appointment month) unless `locked`, the lock as the editor shows it. Gives
    // the values written, none when locked.
    Result<CadreValues> writeCurrentPosts(const CurrentPostTexts& texts, bool locked);

  private:
    TDataM& dm_;
    QStringList& nativePlaces_;
    QStringList& birthPlaces_;
    int cadreId_ = 0;
    bool isNew_ = false;
    int unitForNew_ = 0;
    bool listsStale_ = false;
    CadreValues newRecord_;
};

}  // namespace cadre
