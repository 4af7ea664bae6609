#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "db/Result.h"

// The ".lrm" approval-form file exchanged with other approval-form programs: a text of values,
// each between double quotes, separated by commas. Inside a value "@" separates items and "#"
// the parts of an item. Value i has the meaning of index i below. The photo is a picture file
// of the same base name beside it (".pic", or ".bmp" or ".jpg").
namespace appointment {

enum LrmIndex : int {
    kLrmName = 0,
    kLrmSex = 1,
    kLrmBirth = 2,
    kLrmNation = 3,
    kLrmNativePlace = 4,
    kLrmPartyDate = 5,
    kLrmHealth = 6,
    kLrmBirthplace = 7,
    kLrmWorkStart = 8,
    kLrmEducation = 9,
    kLrmSchools = 10,
    kLrmTitle = 11,
    kLrmSpeciality = 16,
    kLrmResume = 17,
    kLrmRewards = 18,
    kLrmAssessment = 19,
    kLrmFamilyRelation = 20,
    kLrmFamilyName = 21,
    kLrmFamilyBirth = 22,
    kLrmFamilyParty = 23,
    kLrmFamilyWork = 24,
    kLrmCurrentPost = 25,
    kLrmProposedPost = 26,
    kLrmProposedRemoval = 27,
    kLrmReason = 28,
    kLrmReportingUnit = 29,
    kLrmAgeDate = 30,
    kLrmFilledBy = 31,
    kLrmFilledOn = 32,
    kLrmValueCount = 33,
    // Carried by ".lrmx" files only: the political status and the identity card number.
    kLrmPolitical = 33,
    kLrmIdNumber = 34,
    kLrmRecordSize = 35
};

inline const QString kLrmFileMissing = QStringLiteral("文件不存在！");
inline const QString kLrmUnreadable = QStringLiteral("文件无法读取：");
inline const QString kLrmTooLarge = QStringLiteral("文件过大，不是任免表文件。");
inline const QString kLrmBadEncoding =
    QStringLiteral("文件编码无法识别（应为GBK、GB18030或UTF-8编码的文本）。");
inline const QString kLrmUnbalanced = QStringLiteral("文件格式不正确：引号不成对。");
inline const QString kLrmNoValues = QStringLiteral("文件格式不正确：没有任何数据项。");
inline const QString kLrmBadXml = QStringLiteral("文件格式不正确：");
inline const QString kLrmNotWritten = QStringLiteral("文件无法写入：");

// The largest file, and the largest photo, read: anything bigger is not an approval form.
inline constexpr qint64 kLrmMaxFileSize = 16 * 1024 * 1024;

// One approval form as a file holds it: the values by LrmIndex, as many as the file holds (an
// ".lrmx" file holds all kLrmRecordSize of them), and the photo's file bytes (empty when there
// is none).
struct LrmRecord {
    QStringList values;
    QByteArray photo;
};

// The text of file bytes: UTF-8 when they start with its byte-order mark or are valid UTF-8
// throughout, else GB18030 (a superset of GBK and GB2312). Bytes that are neither give a text
// holding U+FFFD.
QString decodeLrmBytes(const QByteArray& bytes);

// The values of a file's text, in order. A double quote toggles between outside and inside a
// value; every closing quote ends one value, which is the characters between the two quotes.
// Text outside quotes is ignored. A quote left open at the end leaves `unbalanced` set and the
// unfinished value out.
struct LrmValues {
    QStringList values;
    bool unbalanced = false;
};
LrmValues parseLrmText(const QString& text);

// The file text of `values` (the first 33, missing ones written empty): each value between
// double quotes, separated by commas. A double quote inside a value cannot be written in this
// format and becomes the full-width "＂".
QString lrmText(const QStringList& values);

// The GBK bytes of lrmText().
QByteArray lrmBytes(const QStringList& values);

// Reads the form of the file `path`: an ".lrmx" file (by its suffix) as XML, any other as
// ".lrm" text with the photo beside it. A file that is missing, too large, not a text of a
// known encoding, has unbalanced quotes or holds no value is refused with the reason.
Result<LrmRecord> readLrmRecord(const QString& path);

// Writes `record` to `path`: an ".lrmx" file as XML with the photo inside; any other as ".lrm"
// text (GBK) with the photo as "<base>.pic" beside it when there is one. Each file is replaced
// only when it was written whole.
Result<void> writeLrmRecord(const QString& path, const LrmRecord& record);

// The ".lrm" and ".lrmx" files of a folder, sorted by name; other files are left out.
QStringList lrmFilesOfFolder(const QString& folder);

}  // namespace appointment
