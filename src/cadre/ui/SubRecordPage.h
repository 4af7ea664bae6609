#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>

#include "db/Result.h"

class QTableWidget;
class TDataM;

// The base of the editor's pages that list one kind of a cadre's records (family members,
// rewards and punishments, inspections, documents). A page is given the cadre on show and
// lists its records when it is shown: reading needs the page's read right, every change its
// write right and the editor's switch "允许修改". A failure is shown; the lists are then read
// again so that they show what is stored.
class SubRecordPage : public QWidget {
    Q_OBJECT

  public:
    // An empty `readRight`: reading needs no right.
    SubRecordPage(TDataM& dm, QString readRight, QString writeRight, QWidget* parent = nullptr);

    // The cadre whose records the page shows (0: none, a cadre not saved yet); the lists are
    // emptied until the page is shown.
    void showCadre(int cadreId);
    // Lists the cadre's records, when the read right allows it.
    void activate();
    // Whether the editor's switch "允许修改" is on.
    void setEditable(bool on) { editable_ = on; }
    bool editable() const { return editable_; }
    int cadreId() const { return cadreId_; }

  Q_SIGNALS:
    // A record was added, changed, deleted or moved.
    void recordsChanged();

  protected:
    // Fills the lists from the database for cadreId() (clears them for 0).
    virtual void reload() = 0;
    virtual void clear() = 0;

    // Whether a change may go ahead: a cadre is on show, the switch is on (else the editor's
    // lock message) and the write right is granted.
    bool mayChange();
    // Shows a failure; true when `result` succeeded.
    static bool reported(const Failure& failure);
    template <class T>
    static bool succeeded(const Result<T>& result) {
        return result.ok() || reported(result.failure());
    }
    // The name of the cadre on show, for the dialogs' headings (empty when it cannot be read).
    QString cadreName() const;
    // Reloads and tells the editor.
    void changedRecords();
    // The record `read` gave for showing in its dialog: none when the read failed (the failure
    // is shown) or the record is gone (`gone` is shown and the lists are read again).
    template <class T>
    std::optional<T> recordToShow(const Result<std::optional<T>>& read, const QString& gone) {
        if (!succeeded(read)) {
            return std::nullopt;
        }
        if (!read->has_value()) {
            showGone(gone);
            return std::nullopt;
        }
        return **read;
    }
    // "删除" of a record list: when a change may go ahead, the record `id` (0: none chosen, then
    // `chooseFirst` is shown) is deleted by `remove` after `question` was answered OK.
    void deleteRecord(int id, const QString& chooseFirst, const QString& question,
                      const std::function<Result<void>(int id)>& remove);

    TDataM& dm_;

  private:
    void showGone(const QString& gone);

    QString readRight_;
    QString writeRight_;
    int cadreId_ = 0;
    bool editable_ = false;
};

// Helpers for the pages' lists: a read-only grid of whole rows, one selected at a time, that
// keeps an id with each row.
namespace subrecords {

QTableWidget* listGrid(const char* objectName, const QStringList& headers);
// Shows `cells` (one list per row) with `ids` kept with the rows.
void fillGrid(QTableWidget* grid, const QList<QStringList>& cells, const QList<int>& ids);
// The id of the focused row, 0 for none.
int focusedId(const QTableWidget* grid);
void focusId(QTableWidget* grid, int id);

}  // namespace subrecords
