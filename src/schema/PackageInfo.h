#pragma once

#include <QString>

namespace schema {

// The table of a report-up package that says where the package came from: one row with the
// schema version of the program that wrote it, the sender's organisation name and the day it was
// written ("yyyy-MM-dd"). The empty package Send.db has it; packages of older programs lack it.
inline const QString kPackageInfoTable = QStringLiteral("tb_sendInfo");
inline const QString kPackageInfoDefinition =
    QStringLiteral("CREATE TABLE tb_sendInfo (version DOUBLE, sender TEXT(255), sentOn TEXT(10))");

}  // namespace schema
