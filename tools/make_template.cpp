// cadre-make-template: builds the template databases from the readable sources in data/.
//   cadre-make-template --out DIR --schema schema.sql [data.sql ...]
// writes DIR/Empty.db (every table, with the reference data) and DIR/Send.db (the empty
// report-up package). Each file is written under a temporary name and renamed when complete.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include "db/Database.h"
#include "schema/TemplateBuilder.h"

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments().mid(1);
    QString outDir;
    QString schemaFile;
    QStringList dataFiles;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == u"--out" && i + 1 < args.size()) {
            outDir = args[++i];
        } else if (args[i] == u"--schema" && i + 1 < args.size()) {
            schemaFile = args[++i];
        } else {
            dataFiles << args[i];
        }
    }
    if (outDir.isEmpty() || schemaFile.isEmpty()) {
        err << "usage: cadre-make-template --out DIR --schema schema.sql [data.sql ...]"
            << Qt::endl;
        return 2;
    }
    QDir().mkpath(outDir);
    schema::TemplateBuilder builder;
    Result<void> built = builder.buildEmpty(QDir(outDir).filePath(QStringLiteral("Empty.db")),
                                            schemaFile, dataFiles);
    if (built) {
        built = builder.buildSendPackage(QDir(outDir).filePath(QStringLiteral("Send.db")),
                                         QDir(outDir).filePath(QStringLiteral("Empty.db")));
    }
    if (!built) {
        err << built.errorText() << Qt::endl;
        return 1;
    }
    return 0;
}
