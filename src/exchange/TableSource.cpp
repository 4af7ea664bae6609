#include "exchange/TableSource.h"

namespace exchange {

const SourceTable* findTable(const TableSource& source, const QString& name) {
    for (const SourceTable& table : source.tables()) {
        if (table.name.compare(name, Qt::CaseInsensitive) == 0) {
            return &table;
        }
    }
    return nullptr;
}

}  // namespace exchange
