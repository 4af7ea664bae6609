#pragma once

#include <QString>
#include <QVariant>
#include <ostream>

// Lets GoogleTest print Qt values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QVariant& v, std::ostream* os) {
    *os << "QVariant(" << v.typeName() << ", " << v.toString().toStdString() << ')';
}
inline std::ostream& operator<<(std::ostream& os, const QString& s) {
    return os << s.toStdString();
}
