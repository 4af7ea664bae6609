// cadre-generate: writes a working database filled with a synthetic organisation.
//   cadre-generate --cadres N --out FILE [--seed S] [--template PATH]
// The template is Db/Empty.db beside the program unless --template names another. The same
// seed always gives the same data.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTextStream>

#include "generate/SyntheticData.h"

namespace {

int usage(QTextStream& err) {
    err << "usage: cadre-generate --cadres N --out FILE [--seed S] [--template PATH]" << Qt::endl;
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments().mid(1);
    synth::Options options;
    options.cadres = 0;
    QString target;
    QString templatePath =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Db/Empty.db"));
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& name = args[i];
        if (i + 1 >= args.size()) {
            return usage(err);
        }
        const QString& value = args[++i];
        bool ok = true;
        if (name == u"--cadres") {
            options.cadres = value.toInt(&ok);
            ok = ok && options.cadres >= 1 && options.cadres <= synth::kMaxCadres;
        } else if (name == u"--seed") {
            options.seed = value.toUInt(&ok);
        } else if (name == u"--out") {
            target = value;
        } else if (name == u"--template") {
            templatePath = value;
        } else {
            return usage(err);
        }
        if (!ok) {
            err << "invalid value for " << name << ": " << value << Qt::endl;
            return usage(err);
        }
    }
    if (options.cadres == 0 || target.isEmpty()) {
        return usage(err);
    }

    QElapsedTimer timer;
    timer.start();
    synth::Counts counts;
    QString error;
    if (!synth::generateDatabase(templatePath, target, options, &counts, &error)) {
        err << error << Qt::endl;
        return 1;
    }
    out << "wrote " << QFileInfo(target).absoluteFilePath() << " in "
        << QString::number(timer.elapsed() / 1000.0, 'f', 1) << " s: " << counts.cadres
        << " cadres, " << counts.units << " units, " << counts.currentPosts << " current and "
        << counts.formerPosts << " former posts, " << counts.memberships << " memberships, "
        << counts.familyMembers << " family members, " << counts.assessments << " assessments, "
        << counts.rewards << " rewards, " << counts.photos << " photos, " << counts.catalogueEntries
        << " catalogue entries, " << counts.reports << " reports, " << counts.documents
        << " documents" << Qt::endl;
    return 0;
}
