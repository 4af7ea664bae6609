#include "exchange/HandheldExport.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStringList>

#include "db/Database.h"
#include "exchange/HandheldInstructions.h"

namespace exchange {

Result<void> checkHandheldChoice(const HandheldChoice& choice, const QString& workingDatabase) {
    if (choice.password != choice.confirmation) {
        return Failure{kPasswordsDiffer, {}};
    }
    if (choice.output.trimmed().isEmpty()) {
        return Failure{kNoOutputChosen, {}};
    }
    if (QDir::cleanPath(QFileInfo(choice.output).absoluteFilePath()) ==
        QDir::cleanPath(QFileInfo(workingDatabase).absoluteFilePath())) {
        return Failure{kOutputIsWorking, {}};
    }
    if (choice.password.isEmpty()) {
        return Failure{kNoPassword, {}};
    }
    if (choice.content <= 0) {
        return Failure{kNoContentChosen, {}};
    }
    if (!choice.allCadres && choice.unitIds.isEmpty()) {
        return Failure{kNoUnitChosen, {}};
    }
    return {};
}

Result<void> writeInstructionFile(const QString& iniFile, const HandheldChoice& choice,
                                  const QString& workingDatabase) {
    QSettings ini(iniFile, QSettings::IniFormat);
    ini.beginGroup(handheld::kSection);
    ini.remove(QStringLiteral("PWD"));
    ini.setValue(handheld::kMethodKey,
                 choice.allCadres ? handheld::kMethodAll : handheld::kMethodPart);
    if (choice.allCadres) {
        ini.remove(handheld::kUnitsKey);
    } else {
        QStringList ids;
        for (const int id : choice.unitIds) {
            ids << QString::number(id);
        }
        ini.setValue(handheld::kUnitsKey, QString(u'(' + ids.join(u',') + u')'));
    }
    ini.setValue(handheld::kContentKey, QString::number(choice.content));
    ini.setValue(handheld::kOutputKey, QDir::toNativeSeparators(choice.output));
    ini.setValue(handheld::kDelTimesKey, QString::number(choice.delTimes));
    ini.setValue(handheld::kSourceTypeKey, handheld::kSourceType);
    ini.setValue(handheld::kSourceKey, QDir::toNativeSeparators(workingDatabase));
    ini.endGroup();
    ini.sync();
    if (ini.status() != QSettings::NoError) {
        return Failure{kInstructionsUnwritable + QDir::toNativeSeparators(iniFile), {}};
    }
    return {};
}

Result<void> runConverter(const QString& program, const QString& iniFile, const QString& password,
                          const std::function<void(const QString&)>& onLine) {
    if (!QFileInfo(program).isExecutable()) {
        return Failure{kConverterMissing + QDir::toNativeSeparators(program), {}};
    }
    QProcess converter;
    converter.start(program, {iniFile});
    if (!converter.waitForStarted()) {
        return Failure{kConverterMissing + QDir::toNativeSeparators(program),
                       converter.errorString()};
    }
    converter.write((password + u'\n').toUtf8());
    converter.closeWriteChannel();
    const auto readLines = [&] {
        while (converter.canReadLine()) {
            const QString line = QString::fromUtf8(converter.readLine()).trimmed();
            if (onLine && !line.isEmpty()) {
                onLine(line);
            }
        }
    };
    while (converter.state() != QProcess::NotRunning) {
        converter.waitForReadyRead(100);
        readLines();
    }
    readLines();
    if (converter.exitStatus() != QProcess::NormalExit || converter.exitCode() != 0) {
        return Failure{kConverterFailed,
                       QString::fromUtf8(converter.readAllStandardError()).trimmed()};
    }
    return {};
}

Result<std::vector<UnitEntry>> unitsInTreeOrder(db::Database& db) {
    const auto rows =
        db.query(QStringLiteral("select ID,parentID,Name from tb_department order by dwIndex"));
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    std::vector<UnitEntry> units;
    units.reserve(rows->rows.size());
    for (const QVariantList& row : rows->rows) {
        units.push_back({row[0].toInt(), row[1].toInt(), row[2].toString()});
    }
    return units;
}

}  // namespace exchange
