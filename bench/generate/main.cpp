// cadre-generate: writes a working database filled with a synthetic organisation.
//   cadre-generate --cadres N --out FILE [--seed S] [--template PATH]
// The template is the installed Db/Empty.db unless --template names another. The same seed
// always gives the same data.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTextStream>

#include "app/AppPaths.h"
#include "app/CommandLine.h"
#include "generate/SyntheticData.h"

namespace {

app::ProgramUsage usage() {
    return {QStringLiteral("cadre-generate"),
            QStringLiteral("--cadres N --out FILE [--seed S] [--template PATH]"),
            QStringLiteral("写出一个含虚构单位与干部的工作数据库，供性能测试和试用；"
                           "同一种子总得到同样的数据。"),
            {{QStringLiteral("--cadres N"),
              QStringLiteral("干部人数（1 至 %1）").arg(synth::kMaxCadres)},
             {QStringLiteral("--out FILE"), QStringLiteral("要写出的数据库文件")},
             {QStringLiteral("--seed S"), QStringLiteral("随机种子")},
             {QStringLiteral("--template PATH"),
              QStringLiteral("空库模板，默认为安装的 Db/Empty.db")}}};
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (const auto answered = app::answerHelpOrVersion(args, usage())) {
        return *answered;
    }
    synth::Options options;
    options.cadres = 0;
    QString target;
    QString templatePath = app::installedTemplates(QCoreApplication::applicationDirPath()) +
                           QStringLiteral("Db/Empty.db");
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& name = args[i];
        if (i + 1 >= args.size()) {
            return app::refuseCommandLine(usage(), QStringLiteral("缺少 %1 的值").arg(name));
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
            return app::refuseCommandLine(usage(), QStringLiteral("不认识的参数 ") + name);
        }
        if (!ok) {
            return app::refuseCommandLine(usage(),
                                          QStringLiteral("%1 的值无效：%2").arg(name, value));
        }
    }
    if (options.cadres == 0 || target.isEmpty()) {
        return app::refuseCommandLine(usage(), QStringLiteral("需要 --cadres 和 --out"));
    }

    QElapsedTimer timer;
    timer.start();
    synth::Counts counts;
    QString error;
    if (!synth::generateDatabase(templatePath, target, options, &counts, &error)) {
        return app::reportFailure(usage().name, error);
    }
    out << "wrote " << QFileInfo(target).absoluteFilePath() << " in "
        << QString::number(timer.elapsed() / 1000.0, 'f', 1) << " s: " << counts.cadres
        << " cadres, " << counts.units << " units, " << counts.currentPosts << " current and "
        << counts.formerPosts << " former posts, " << counts.memberships << " memberships, "
        << counts.familyMembers << " family members, " << counts.assessments << " assessments, "
        << counts.rewards << " rewards, " << counts.photos << " photos, " << counts.catalogueEntries
        << " catalogue entries, " << counts.reports << " reports, " << counts.documents
        << " documents" << Qt::endl;
    return app::kExitOk;
}
