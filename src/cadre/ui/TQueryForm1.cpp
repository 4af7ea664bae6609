#include "cadre/ui/TQueryForm1.h"

#include <QButtonGroup>
#include <QDate>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "cadre/PickLists.h"
#include "cadre/ui/TMdForm.h"
#include "db/Database.h"
#include "rosters/RosterMembers.h"
#include "rosters/ui/TSleMMcForm.h"
#include "search/ui/TQueryAdvForm.h"
#include "units/ui/UnitPickerEdit.h"
#include "widgets/DialogParts.h"

namespace {

QTableWidget* makeList(const char* name) {
    auto* grid = new QTableWidget(0, 4);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setHorizontalHeaderLabels({QStringLiteral("序号"), QStringLiteral("姓 名"),
                                     QStringLiteral("性别"), QStringLiteral("现任职")});
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setStretchLastSection(true);
    return grid;
}

void fill(QTableWidget* grid, const QList<cadre::PickedCadre>& cadres) {
    grid->setRowCount(static_cast<int>(cadres.size()));
    for (int row = 0; row < grid->rowCount(); ++row) {
        const cadre::PickedCadre& c = cadres[row];
        const QString cells[] = {QString::number(row + 1), c.name, c.sex, c.currentPost};
        for (int column = 0; column < 4; ++column) {
            grid->setItem(row, column, new QTableWidgetItem(cells[column]));
        }
    }
}

}  // namespace

QString TQueryForm1::addAllQuestion(int count) {
    return QStringLiteral("是否添加全部%1项?").arg(count);
}

TQueryForm1::TQueryForm1(TDataM& dm, int classId, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      classId_(classId),
      rbByInfo(new QRadioButton(QStringLiteral("按干部信息"))),
      rbByUnit(new QRadioButton(QStringLiteral("按所在单位"))),
      rbByRoster(new QRadioButton(QStringLiteral("按名册"))),
      rbByNames(new QRadioButton(QStringLiteral("按名单"))),
      rbNoUnit(new QRadioButton(QStringLiteral("不在任何单位的干部"))),
      modePages(new QStackedWidget),
      edtText(new QLineEdit),
      btnShowAll(widgets::namedButton("btnShowAll", QStringLiteral("全显"))),
      btnAdvanced(widgets::namedButton("btnAdvanced", QStringLiteral("高级筛选"))),
      unitBox_(new UnitPickerEdit(QStringLiteral("edtUnit"), QString())),
      gridCandidates(makeList("gridCandidates")),
      gridPicked(makeList("gridPicked")),
      btnRight(widgets::namedButton("btnRight", QStringLiteral(">"))),
      btnOK(widgets::namedButton("btnOK", QStringLiteral("确 定"))),
      btnCancel(widgets::namedButton("btnCancel", QStringLiteral("取 消"))) {
    setObjectName(QStringLiteral("TQueryForm1"));
    setWindowTitle(QStringLiteral("选择干部"));
    rbByInfo->setObjectName(QStringLiteral("rbByInfo"));
    rbByUnit->setObjectName(QStringLiteral("rbByUnit"));
    rbByRoster->setObjectName(QStringLiteral("rbByRoster"));
    rbByNames->setObjectName(QStringLiteral("rbByNames"));
    rbNoUnit->setObjectName(QStringLiteral("rbNoUnit"));
    edtText->setObjectName(QStringLiteral("edtText"));
    edtText->setPlaceholderText(QStringLiteral("输入姓名或拼音首字母"));
    unitBox_->setDatabase(&dm_.db());
    unitBox_->reload();

    auto* modes = new QButtonGroup(this);
    modes->addButton(rbByInfo, 0);
    modes->addButton(rbByUnit, 1);
    modes->addButton(rbByRoster, 2);
    modes->addButton(rbByNames, 3);
    modes->addButton(rbNoUnit, 4);
    rbByInfo->setChecked(true);
    auto* modeBox = new QGroupBox(QStringLiteral("初选方式"));
    auto* modeRow = new QHBoxLayout(modeBox);
    modeRow->addWidget(rbByInfo);
    modeRow->addWidget(rbByUnit);
    modeRow->addWidget(rbByRoster);
    modeRow->addWidget(rbByNames);
    modeRow->addWidget(rbNoUnit);
    modeRow->addStretch();

    auto* infoPage = new QWidget;
    auto* infoRow = new QHBoxLayout(infoPage);
    infoRow->setContentsMargins(0, 0, 0, 0);
    infoRow->addWidget(edtText, 1);
    infoRow->addWidget(btnShowAll);
    infoRow->addWidget(btnAdvanced);
    auto* unitPage = new QWidget;
    auto* unitRow = new QHBoxLayout(unitPage);
    unitRow->setContentsMargins(0, 0, 0, 0);
    unitRow->addWidget(new QLabel(QStringLiteral("所在单位")));
    unitRow->addWidget(unitBox_, 1);
    modePages->addWidget(infoPage);
    modePages->addWidget(unitPage);

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("初选结果")));
    left->addWidget(gridCandidates, 1);
    auto* middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(btnRight);
    middle->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("最终结果")));
    right->addWidget(gridPicked, 1);
    auto* lists = new QHBoxLayout;
    lists->addLayout(left, 1);
    lists->addLayout(middle);
    lists->addLayout(right, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(modeBox);
    layout->addWidget(modePages);
    layout->addLayout(lists, 1);
    layout->addLayout(widgets::rightAlignedRow({btnOK, btnCancel}));
    resize(760, 520);

    connect(modes, &QButtonGroup::idClicked, this, [this](int id) {
        // The name list and the cadres in no unit list at once; the other ways have their boxes.
        if (id == 3) {
            searchByNameList();
        } else if (id == 4) {
            showCadresWithoutUnit();
        } else if (id == 2) {
            searchByRosters();
        } else {
            modePages->setCurrentIndex(id);
        }
    });
    connect(edtText, &QLineEdit::textChanged, this,
            [this](const QString& text) { searchByInfo(text.trimmed()); });
    connect(btnShowAll, &QPushButton::clicked, this, [this] { searchByInfo({}); });
    connect(btnAdvanced, &QPushButton::clicked, this, &TQueryForm1::searchByConditions);
    connect(unitBox_, &UnitPickerEdit::unitChanged, this, &TQueryForm1::searchByUnit);
    connect(btnRight, &QPushButton::clicked, this, &TQueryForm1::moveRight);
    connect(gridCandidates, &QTableWidget::cellDoubleClicked, this, [this] { moveRight(); });
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    if (const Result<void> cleared = cadre::clearPicked(dm_.db()); !cleared) {
        app::showFailure(cleared.failure());
    }
    showPicked();
}

QList<int> TQueryForm1::pickedCadreIds() const {
    QList<int> ids;
    for (const cadre::PickedCadre& c : picked_) {
        ids << c.cadreId;
    }
    return ids;
}

void TQueryForm1::searchByInfo(const QString& text) {
    showCandidates(cadre::pickByInfoStatement(classId_, text));
}

void TQueryForm1::searchByUnit(int unitId) {
    if (unitId == 0) {
        candidates_.clear();
        fill(gridCandidates, candidates_);
        return;
    }
    showCandidates(cadre::pickByUnitStatement(classId_, unitId));
}

void TQueryForm1::searchByConditions() {
    const Result<cadre::PickLists> lists = cadre::loadPickLists(dm_.db());
    if (!lists) {
        app::showFailure(lists.failure());
        return;
    }
    TQueryAdvForm form(dm_, *lists, QDate::currentDate(), this);
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    showCandidates(cadre::pickByConditionStatement(form.where()));
    app::showInformation(QStringLiteral("共找到%1人").arg(candidates_.size()));
}

void TQueryForm1::searchByRosters() {
    TSleMMcForm form(dm_, this);
    if (form.choose() != QDialog::Accepted) {
        return;
    }
    showCandidates(cadre::pickByConditionStatement(rosters::rosterCadresWhere(form.checkedIds())));
}

void TQueryForm1::searchByNameList() {
    TMdForm form(this);
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    const QStringList names = cadre::namesOfList(form.names());
    showCandidates(cadre::pickByNamesStatement(names));
    app::showInformation(cadre::nameListReport(static_cast<int>(names.size()), candidates_));
}

void TQueryForm1::showCadresWithoutUnit() {
    showCandidates(cadre::pickWithoutUnitStatement());
}

void TQueryForm1::showCandidates(const QString& statement) {
    candidates_ = app::valueOrShown(cadre::readPickList(dm_.db(), statement));
    fill(gridCandidates, candidates_);
}

void TQueryForm1::moveRight() {
    QList<int> rows;
    for (const QModelIndex& index : gridCandidates->selectionModel()->selectedRows()) {
        rows << index.row();
    }
    std::sort(rows.begin(), rows.end());
    // With nothing selected, or everything, the whole list goes after a question.
    if (rows.isEmpty() || rows.size() == candidates_.size()) {
        if (candidates_.isEmpty() ||
            !app::confirmAction(addAllQuestion(static_cast<int>(candidates_.size())))) {
            return;
        }
        rows.clear();
        for (int row = 0; row < candidates_.size(); ++row) {
            rows << row;
        }
    }
    QList<cadre::PickedCadre> chosen;
    for (const int row : rows) {
        const cadre::PickedCadre& c = candidates_[row];
        const bool already =
            std::any_of(picked_.cbegin(), picked_.cend(),
                        [&c](const cadre::PickedCadre& p) { return p.cadreId == c.cadreId; });
        if (!already) {
            chosen << c;
        }
    }
    if (const Result<void> added = cadre::addPicked(dm_.db(), chosen); !added) {
        app::showFailure(added.failure());
        return;
    }
    picked_ << chosen;
    showPicked();
}

void TQueryForm1::showPicked() {
    fill(gridPicked, picked_);
}
