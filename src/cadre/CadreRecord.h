#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

#include "db/Result.h"

class TDataM;

namespace db {
class Database;
}

// One cadre's record in tb_cadre as the cadre editor opens, checks, completes and saves it, and
// the statements of the editor's cadre list. The editor collects the values from its controls
// and shows the messages returned here; nothing in this file shows anything itself.
namespace cadre {

// Column values of one tb_cadre row, keyed by column name. Keys are matched without regard to
// case; those returned here are spelled as the table declares its columns, except classid,
// which every statement of the program writes in lower case.
using CadreValues = QMap<QString, QVariant>;

// ---- Fixed lists of the record's pickers ------------------------------------------------------

inline const QStringList kSexes = {QStringLiteral("男"), QStringLiteral("女")};

// The ethnic groups (mz); only these can be chosen.
inline const QStringList kEthnicGroups = {
    QStringLiteral("汉族"),       QStringLiteral("蒙古族"),     QStringLiteral("回族"),
    QStringLiteral("藏族"),       QStringLiteral("维吾尔族"),   QStringLiteral("苗族"),
    QStringLiteral("彝族"),       QStringLiteral("壮族"),       QStringLiteral("布依族"),
    QStringLiteral("朝鲜族"),     QStringLiteral("满族"),       QStringLiteral("侗族"),
    QStringLiteral("瑶族"),       QStringLiteral("白族"),       QStringLiteral("土家族"),
    QStringLiteral("哈尼族"),     QStringLiteral("哈萨克族"),   QStringLiteral("傣族"),
    QStringLiteral("黎族"),       QStringLiteral("傈僳族"),     QStringLiteral("佤族"),
    QStringLiteral("畲族"),       QStringLiteral("高山族"),     QStringLiteral("拉祜族"),
    QStringLiteral("水族"),       QStringLiteral("东乡族"),     QStringLiteral("纳西族"),
    QStringLiteral("景颇族"),     QStringLiteral("柯尔克孜族"), QStringLiteral("土族"),
    QStringLiteral("达斡尔族"),   QStringLiteral("仫佬族"),     QStringLiteral("羌族"),
    QStringLiteral("布朗族"),     QStringLiteral("撒拉族"),     QStringLiteral("毛难族"),
    QStringLiteral("仡佬族"),     QStringLiteral("锡伯族"),     QStringLiteral("阿昌族"),
    QStringLiteral("普米族"),     QStringLiteral("塔吉克族"),   QStringLiteral("怒族"),
    QStringLiteral("乌孜别克族"), QStringLiteral("俄罗斯族"),   QStringLiteral("鄂温克族"),
    QStringLiteral("崩龙族"),     QStringLiteral("保安族"),     QStringLiteral("裕固族"),
    QStringLiteral("京族"),       QStringLiteral("塔塔尔族"),   QStringLiteral("独龙族"),
    QStringLiteral("鄂伦春族"),   QStringLiteral("赫哲族"),     QStringLiteral("门巴族"),
    QStringLiteral("珞巴族"),     QStringLiteral("基诺族"),     QStringLiteral("摩梭族"),
    QStringLiteral("其他"),       QStringLiteral("外国血统")};

// 政治面貌 (zzmm).
inline const QStringList kPoliticalStatuses = {
    QStringLiteral("中共党员"),   QStringLiteral("中共预备党员"),
    QStringLiteral("共青团员"),   QStringLiteral("民革党员"),
    QStringLiteral("民盟盟员"),   QStringLiteral("民建会员"),
    QStringLiteral("民进会员"),   QStringLiteral("农工党党员"),
    QStringLiteral("致公党党员"), QStringLiteral("九三学社社员"),
    QStringLiteral("台盟盟员"),   QStringLiteral("无党派民主人士"),
    QStringLiteral("群众"),       QStringLiteral("其他")};

// 健康状况 (jkzk).
inline const QStringList kHealthStates = {QStringLiteral("健康"), QStringLiteral("一般"),
                                          QStringLiteral("较弱")};

// 证件类型 (zjType); the list can be typed over.
inline const QStringList kIdTypes = {QStringLiteral("身份证"), QStringLiteral("军官证")};

// The cadre types, in item order; item i is bit 2^i of a cadre's type set.
inline const QStringList kCadreTypes{QStringLiteral("领导干部"), QStringLiteral("非领导干部"),
                                     QStringLiteral("后备干部"), QStringLiteral("其他")};

// The cadre libraries of the list, entry i for classid i.
inline const QStringList kLibraries = {QStringLiteral("在职干部库"), QStringLiteral("离退干部库"),
                                       QStringLiteral("调出干部库")};

// ---- Messages -----------------------------------------------------------------------------------

inline const QString kNameRequired = QStringLiteral("姓名不能为空!");
inline const QString kSaveFailed = QStringLiteral("保存错误，错误代码!");
inline const QString kSaveDone = QStringLiteral("干部信息保存完成!");
inline const QString kNothingToSave = QStringLiteral("干部信息没有改动，无需保存。");
inline const QString kSelectCadreToMove = QStringLiteral("请在列表中选中要移动的干部。");
inline const QString kCadreMissing = QStringLiteral("该干部已不存在。");
inline const QString kNoCadreAtPosition = QStringLiteral("该位置上没有干部。");

// ---- The record
// -----------------------------------------------------------------------------------

// The stored row of a cadre ("select * from tb_Cadre where CadreID=" + id) without the photo,
// which the photo box reads on its own; kCadreMissing when there is no such cadre.
Result<CadreValues> readCadre(db::Database& db, int cadreId);

// The values of a new, empty record of cadre library `library` (0 serving, 1 retired, 2
// transferred out): ZwLock set when tb_conf holds a ZWLOCK row with ItemV "1", classid the
// library and gbOrd 0 (the next free order is given on save).
CadreValues newCadreDefaults(db::Database& db, int library = 0);

// What a save that passed its checks did.
struct SavedCadre {
    // False when no edited value differed from the stored row (nothing was written).
    bool wrote = false;
    // The saved cadre: the new ID after a new record was saved, else the ID given.
    int cadreId = 0;
    // The stored row after a save that wrote, as readCadre gives it; empty otherwise.
    CadreValues values;
};

// Saves the record of `cadreId` (0: a new cadre) with the `edited` values: the columns the user
// changed (every value of a new record). Only those columns, and the columns derived from them,
// are written, each only when it differs from the stored value; every other column keeps its
// stored value exactly. In order: the name must not be blank; the values typed into boxes of
// their own are read: allRzsjList and zyzcTime as months of the entry pattern
// (text::readMonthEntry; zyzcTime stores the month's first day), A3801 and A3817 as days
// "yyyy-m-d" of 1900 or later, each refused with its message otherwise; the month texts
// csnyStr, rdsjStr, gzsjStr and zwjbTimeStr are read the same way and give their dates csny,
// rdsj, gzsj and zwjbTime (a blank text clears both; a text that is not a month of 1900 or later
// is refused with its message and stage); an edited name gives py, its upper-case pinyin
// initials, and is normalised; trailing blanks leave an edited qrzxxzy and zzxxzy; gxl, gxw and
// gxlxx take the in-service education when given, else the full-time one, when either was
// edited; a null classid becomes 0 and a gbOrd of 0 the next free global order. A new cadre is
// then added once to `unitForNewCadre` (0: none) at the unit's next order. Everything runs in
// one transaction: a refusal or a failure writes nothing. A refusal's message holds the lines to
// show in this order (title "提示"): the specific message, if any, then kSaveFailed followed by
// the code of the save stage that failed ("00001" ... "00010"; none when the name was missing).
Result<SavedCadre> saveCadre(TDataM& dm, int cadreId, const CadreValues& edited,
                             int unitForNewCadre);

// The next lower rank (zwjb2) of `rank`: "正" becomes "副"; a deputy rank steps to the
// principal rank of the level below ("县处级副职" gives "乡科级正职", "副处" gives "正科").
// Empty unless the result is an entry of `rankList`, and for the first entry of the list.
QString nextLowerRank(const QString& rank, const QStringList& rankList);

// ---- The editor's cadre list --------------------------------------------------------------------

// The list of cadre library `classId` (0 serving, 1 retired, 2 transferred out) in global
// order, filtered by the search box: ASCII letters and digits search the pinyin initials, two
// double-byte characters the names with anything after each, any other text the names
// beginning with it; an empty text lists all.
QString cadreLibraryStatement(int classId, const QString& searchText);

// Moves cadre `cadreId` to position `targetPosition` (from 1) of the global order over all
// libraries: the cadres between shift by one and the cadre takes the order of the one it
// replaces. Nothing changes when that one is the cadre itself. The value is the cadre's new
// order.
Result<int> moveInGlobalOrder(TDataM& dm, int cadreId, int targetPosition);

}  // namespace cadre
