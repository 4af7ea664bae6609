#include "support/PythonReader.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

namespace python_reader {

QJsonValue runPython(const QString& script, const QStringList& arguments) {
    QProcess process;
    QStringList all{QStringLiteral("-c"), script};
    all += arguments;
    process.start(QStringLiteral("/usr/bin/python3"), all);
    if (!process.waitForFinished(60000)) {
        ADD_FAILURE() << "python did not finish";
        return {};
    }
    const QByteArray out = process.readAllStandardOutput();
    if (process.exitCode() != 0) {
        ADD_FAILURE() << "python failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson("[" + out + "]", &error);
    if (json.isNull()) {
        ADD_FAILURE() << "python printed no JSON: " << out.toStdString();
        return {};
    }
    return json.array().at(0);
}

}  // namespace python_reader

void PrintTo(const QJsonValue& value, std::ostream* out) {
    *out << QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact).toStdString();
}
