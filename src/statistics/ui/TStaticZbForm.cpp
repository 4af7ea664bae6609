#include "statistics/ui/TStaticZbForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "widgets/DialogParts.h"

namespace {

const QStringList kRelations{QStringLiteral("大于"), QStringLiteral("小于等于"),
                             QStringLiteral("介于")};

QString numbered(const char* prefix, int index) {
    return QString::fromLatin1(prefix) + QString::number(index + 1);
}

}  // namespace

TStaticZbForm::TStaticZbForm(const statistics::CountSettings& settings, const QStringList& levels,
                             QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TStaticZbForm"));
    setWindowTitle(QStringLiteral("统计指标设置"));
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabsSettings"));
    tabs->addTab(buildAgeTab(settings), QStringLiteral("年龄段设置"));
    tabs->addTab(buildListTab("cbLevel", QStringLiteral("职级"), settings.levels,
                              settings.levelRest, levels, &levels_),
                 QStringLiteral("职级设置"));
    tabs->addTab(buildListTab("cbNation", QStringLiteral("民族"), settings.nations,
                              settings.nationRest, {}, &nations_),
                 QStringLiteral("民族"));
    QPushButton* ok = widgets::namedButton("btnOK", QStringLiteral("确 定"));
    QPushButton* cancel = widgets::namedButton("btnCancel", QStringLiteral("取 消"));
    ok->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(widgets::rightAlignedRow({ok, cancel}));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* TStaticZbForm::buildAgeTab(const statistics::CountSettings& settings) {
    auto* tab = new QWidget(this);
    auto* grid = new QGridLayout(tab);
    const QRegularExpression ages(QStringLiteral("[0-9]{1,3}"));
    for (int i = 0; i < statistics::kBandCount; ++i) {
        const statistics::AgeBand band = settings.bands.value(i);
        auto* relation = new QComboBox(tab);
        relation->setObjectName(numbered("cbRelation", i));
        relation->addItems(kRelations);
        relation->setCurrentIndex(std::max(0, static_cast<int>(kRelations.indexOf(band.relation))));
        auto* first = new QLineEdit(QString::number(band.first), tab);
        first->setObjectName(numbered("edtAgeA", i));
        auto* second =
            new QLineEdit(band.second > 0 ? QString::number(band.second) : QString(), tab);
        second->setObjectName(numbered("edtAgeB", i));
        for (QLineEdit* box : {first, second}) {
            box->setValidator(new QRegularExpressionValidator(ages, box));
        }
        // The second age belongs to "介于" alone.
        const auto showSecond = [relation, second] {
            second->setEnabled(relation->currentText() == QStringLiteral("介于"));
        };
        showSecond();
        connect(relation, &QComboBox::currentIndexChanged, second, showSecond);
        grid->addWidget(new QLabel(QStringLiteral("年龄段%1").arg(i + 1), tab), i, 0);
        grid->addWidget(relation, i, 1);
        grid->addWidget(first, i, 2);
        grid->addWidget(new QLabel(QStringLiteral("~"), tab), i, 3);
        grid->addWidget(second, i, 4);
        relations_ << relation;
        firstAges_ << first;
        secondAges_ << second;
    }
    return tab;
}

QWidget* TStaticZbForm::buildListTab(const char* prefix, const QString& caption,
                                     const QStringList& values, const QString& rest,
                                     const QStringList& offered, QList<QComboBox*>* boxes) {
    auto* tab = new QWidget(this);
    auto* grid = new QGridLayout(tab);
    for (int i = 0; i <= statistics::kListLength; ++i) {
        auto* box = new QComboBox(tab);
        box->setObjectName(numbered(prefix, i));
        box->setEditable(true);
        const bool isRest = i == statistics::kListLength;
        if (!isRest) {
            box->addItem(QString());
            box->addItems(offered);
        }
        box->setCurrentText(isRest ? rest : values.value(i));
        grid->addWidget(new QLabel(caption + QString::number(i + 1), tab), i, 0);
        grid->addWidget(box, i, 1);
        *boxes << box;
    }
    return tab;
}

statistics::CountSettings TStaticZbForm::settings() const {
    statistics::CountSettings settings;
    for (int i = 0; i < statistics::kBandCount; ++i) {
        const bool between = relations_[i]->currentText() == QStringLiteral("介于");
        settings.bands.append({relations_[i]->currentText(), firstAges_[i]->text().toInt(),
                               between ? secondAges_[i]->text().toInt() : 0});
    }
    for (int i = 0; i < statistics::kListLength; ++i) {
        settings.levels << levels_[i]->currentText().trimmed();
        settings.nations << nations_[i]->currentText().trimmed();
    }
    settings.levelRest = levels_.last()->currentText().trimmed();
    settings.nationRest = nations_.last()->currentText().trimmed();
    return settings;
}
