#pragma once

#include <QString>

// The instruction file that the handheld export wizard writes and the converter
// (cadre-handheld) reads: section "PDAOUT" of PDA.ini in the data folder. The device password
// is not in it: the wizard hands it to the converter on its standard input.
namespace handheld {

inline const QString kInstructionFile = QStringLiteral("PDA.ini");
inline const QString kSection = QStringLiteral("PDAOUT");
inline const QString kMethodKey = QStringLiteral("Method");
inline const QString kUnitsKey = QStringLiteral("DWID");
inline const QString kContentKey = QStringLiteral("CONTENT");
inline const QString kOutputKey = QStringLiteral("DBPATH");
inline const QString kDelTimesKey = QStringLiteral("DelTimes");
inline const QString kSourceTypeKey = QStringLiteral("SDBTYPE");
inline const QString kSourceKey = QStringLiteral("SDBPATH");
inline const QString kMethodAll = QStringLiteral("ALL");
inline const QString kMethodPart = QStringLiteral("PART");
inline const QString kSourceType = QStringLiteral("2");

// The parts of the export, summed into CONTENT.
enum Content : int { Basic = 1, Photos = 2, Family = 4, Assessments = 8 };

// The table of the device database that holds its settings (name, value), among them
// "DelTimes", the number of wrong passwords after which a device reader deletes the database.
inline const QString kSettingsTable = QStringLiteral("tb_settings");

// The converter's lines on standard output: "进度 <done>/<total> <what>".
inline const QString kProgressPrefix = QStringLiteral("进度 ");

}  // namespace handheld
