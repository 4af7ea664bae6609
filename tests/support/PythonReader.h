#pragma once

#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <ostream>

// Debian's own Python (/usr/bin/python3, which sees python3-docx and python3-openpyxl) as an
// independent reader and writer of Office documents: tests make fixtures with it and read back
// what the program wrote.
namespace python_reader {

// Runs `script` with `arguments` (sys.argv[1:]) and returns what it printed, parsed as JSON.
// A script that fails, or prints no JSON, fails the current test and gives null.
QJsonValue runPython(const QString& script, const QStringList& arguments = {});

}  // namespace python_reader

// Shows JSON values in test failures as JSON text.
void PrintTo(const QJsonValue& value, std::ostream* out);
