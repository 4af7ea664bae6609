#include "search/ui/TQueryAdvForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QTreeWidgetItem>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "cadre/PickLists.h"
#include "db/Database.h"
#include "units/ui/TQueryDwForm.h"
#include "units/ui/TSelectedDwForm.h"
#include "units/ui/UnitTreeWidget.h"
#include "widgets/CheckComboBox.h"
#include "widgets/DialogParts.h"
#include "widgets/MonthEntryBox.h"

namespace {

QLineEdit* lineEdit(const char* name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QLineEdit* monthEdit(const char* name, QWidget* parent) {
    QLineEdit* box = lineEdit(name, parent);
    widgets::limitToMonthEntry(box);
    box->setPlaceholderText(QStringLiteral("yyyy.mm"));
    return box;
}

// A drop-down whose first item is empty (no condition) unless `withEmpty` is false.
QComboBox* comboBox(const char* name, const QStringList& items, QWidget* parent,
                    bool withEmpty = true, bool editable = false) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    if (withEmpty) {
        box->addItem(QString());
    }
    box->addItems(items);
    box->setEditable(editable);
    return box;
}

// A row of widgets for a form line.
QWidget* row(std::initializer_list<QWidget*> widgets, QWidget* parent) {
    auto* holder = new QWidget(parent);
    auto* layout = new QHBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : widgets) {
        layout->addWidget(w);
    }
    layout->addStretch();
    return holder;
}

// The position of a relation box's choice in its list (its items carry no empty item).
int relation(const QComboBox* box) {
    return std::max(0, box->currentIndex());
}

// The text of a drop-down without the empty item's meaning: "" when nothing is chosen.
QString chosen(const QComboBox* box) {
    return box->currentText().trimmed();
}

}  // namespace

QString TQueryAdvForm::foundUnitsMessage(int count) {
    return QStringLiteral("共找到%1个单位").arg(count);
}

TQueryAdvForm::TQueryAdvForm(TDataM& dm, const cadre::PickLists& lists, const QDate& today,
                             QWidget* parent)
    : QDialog(parent), dm_(dm), lists_(lists), today_(today), tabs(new QTabWidget(this)) {
    setObjectName(QStringLiteral("TQueryAdvForm"));
    setWindowTitle(QStringLiteral("干部信息搜索"));
    tabs->setObjectName(QStringLiteral("tabs"));
    tabs->addTab(makeBasicTab(), QStringLiteral("基本信息"));
    tabs->addTab(makeAssessmentTab(), QStringLiteral("考核/奖惩"));
    tabs->addTab(makePostsTab(), QStringLiteral("任职详细"));
    tabs->addTab(makeTrainingTab(), QStringLiteral("培训信息"));
    tabs->addTab(makeUnitsTab(), QStringLiteral("当前所在单位"));

    QPushButton* clear = widgets::namedButton("btnClear", QStringLiteral("清空条件"));
    QPushButton* ok = widgets::namedButton("btnOK", QStringLiteral("确 定"));
    QPushButton* cancel = widgets::namedButton("btnCancel", QStringLiteral("取 消"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(clear);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs, 1);
    layout->addLayout(buttons);
    resize(760, 600);
    connect(clear, &QPushButton::clicked, this, &TQueryAdvForm::clearConditions);
    connect(ok, &QPushButton::clicked, this, &TQueryAdvForm::tryAccept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    clearConditions();
}

QWidget* TQueryAdvForm::makeBasicTab() {
    auto* page = new QWidget(this);
    cbStatus = comboBox("cbStatus", search::kStatuses, page, false);
    cbIdentity = comboBox("cbIdentity", lists_.categories, page, true, true);
    cbCadreType = new CheckComboBox(page);
    cbCadreType->setObjectName(QStringLiteral("cbCadreType"));
    cbCadreType->setItems({QStringLiteral("领导干部"), QStringLiteral("非领导干部"),
                           QStringLiteral("后备干部"), QStringLiteral("其他")});
    cbCadreType->setEmptyText(QStringLiteral("请选择"));
    edtName = lineEdit("edtName", page);
    edtPostContains = lineEdit("edtPostContains", page);
    edtPostExcludes = lineEdit("edtPostExcludes", page);
    cbSex = comboBox("cbSex", {QStringLiteral("男"), QStringLiteral("女")}, page);
    cbNation = comboBox("cbNation", {QStringLiteral("汉族"), QStringLiteral("少数民族")}, page);
    cbParty = comboBox("cbParty", {QStringLiteral("中共党员"), QStringLiteral("非中共党员")}, page);
    cbAgeRelation = comboBox("cbAgeRelation", search::kAgeRelations, page);
    const auto ageBox = [page](const char* name) {
        QLineEdit* box = lineEdit(name, page);
        box->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), box));
        box->setMaximumWidth(60);
        return box;
    };
    edtAgeFrom = ageBox("edtAgeFrom");
    edtAgeTo = ageBox("edtAgeTo");
    rbAgeNow = new QRadioButton(QStringLiteral("现在"), page);
    rbAgeNow->setObjectName(QStringLiteral("rbAgeNow"));
    rbAgeAt = new QRadioButton(QStringLiteral("指定时间"), page);
    rbAgeAt->setObjectName(QStringLiteral("rbAgeAt"));
    edtAgeMonth = monthEdit("edtAgeMonth", page);
    connect(cbAgeRelation, &QComboBox::currentIndexChanged, edtAgeTo,
            [this](int index) { edtAgeTo->setEnabled(index == 4); });
    cbPartyDateRel = comboBox("cbPartyDateRel", search::kDateRelations, page, false);
    edtPartyDate = monthEdit("edtPartyDate", page);
    cbWorkDateRel = comboBox("cbWorkDateRel", search::kDateRelations, page, false);
    edtWorkDate = monthEdit("edtWorkDate", page);
    cbEduKind = comboBox("cbEduKind", search::kEducationKinds, page, false);
    cbEduRel = comboBox("cbEduRel", search::kLevelRelations, page, false);
    cbEducation = comboBox("cbEducation", lists_.educations, page);
    cbDegreeKind = comboBox("cbDegreeKind", search::kDegreeKinds, page, false);
    cbDegreeRel = comboBox("cbDegreeRel", search::kLevelRelations, page, false);
    cbDegree = comboBox("cbDegree", lists_.degrees, page);
    edtSchool = lineEdit("edtSchool", page);
    edtTitle = lineEdit("edtTitle", page);
    edtSpeciality = lineEdit("edtSpeciality", page);
    cbRankRel = comboBox("cbRankRel", search::kLevelRelations, page, false);
    cbRank = comboBox("cbRank", lists_.ranks, page);
    cbRankDateRel = comboBox("cbRankDateRel", search::kDateRelations, page, false);
    edtRankDate = monthEdit("edtRankDate", page);
    cbPostDateRel = comboBox("cbPostDateRel", search::kPostDateRelations, page, false);
    edtPostDate = monthEdit("edtPostDate", page);
    edtBirthPlace = lineEdit("edtBirthPlace", page);
    edtNativePlace = lineEdit("edtNativePlace", page);

    auto* left = new QFormLayout;
    left->addRow(QStringLiteral("状态"), cbStatus);
    left->addRow(QStringLiteral("人员身份"), cbIdentity);
    left->addRow(QStringLiteral("干部分类"), cbCadreType);
    left->addRow(QStringLiteral("姓名"), edtName);
    left->addRow(QStringLiteral("现任职包含"), edtPostContains);
    left->addRow(QStringLiteral("现任职不包含"), edtPostExcludes);
    left->addRow(QStringLiteral("性别"), cbSex);
    left->addRow(QStringLiteral("民族"), cbNation);
    left->addRow(QStringLiteral("政治面貌"), cbParty);
    left->addRow(QStringLiteral("年龄"), row({cbAgeRelation, edtAgeFrom, edtAgeTo}, page));
    left->addRow(QString(), row({rbAgeNow, rbAgeAt, edtAgeMonth}, page));
    left->addRow(QStringLiteral("出生地"), edtBirthPlace);
    left->addRow(QStringLiteral("籍贯"), edtNativePlace);
    auto* right = new QFormLayout;
    right->addRow(QStringLiteral("入党时间"), row({cbPartyDateRel, edtPartyDate}, page));
    right->addRow(QStringLiteral("工作时间"), row({cbWorkDateRel, edtWorkDate}, page));
    right->addRow(QStringLiteral("学历"), row({cbEduKind, cbEduRel, cbEducation}, page));
    right->addRow(QStringLiteral("学位"), row({cbDegreeKind, cbDegreeRel, cbDegree}, page));
    right->addRow(QStringLiteral("毕业院校"), edtSchool);
    right->addRow(QStringLiteral("专业职务"), edtTitle);
    right->addRow(QStringLiteral("专长特才"), edtSpeciality);
    right->addRow(QStringLiteral("职务级别"), row({cbRankRel, cbRank}, page));
    right->addRow(QStringLiteral("任职级时间"), row({cbRankDateRel, edtRankDate}, page));
    right->addRow(QStringLiteral("任现职时间"), row({cbPostDateRel, edtPostDate}, page));
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left);
    layout->addLayout(right);
    return page;
}

QWidget* TQueryAdvForm::makeAssessmentTab() {
    auto* page = new QWidget(this);
    cbGrade = comboBox("cbGrade",
                       {QStringLiteral("优秀"), QStringLiteral("称职"), QStringLiteral("基本称职"),
                        QStringLiteral("不称职")},
                       page, true, true);
    rbAllYears = new QRadioButton(QStringLiteral("所有记录的年度中"), page);
    rbAllYears->setObjectName(QStringLiteral("rbAllYears"));
    rbYear = new QRadioButton(QStringLiteral("指定年度"), page);
    rbYear->setObjectName(QStringLiteral("rbYear"));
    edtYear = lineEdit("edtYear", page);
    edtYear->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), edtYear));
    cbYearRel = comboBox("cbYearRel", search::kYearRelations, page, false);
    edtNoteContains = lineEdit("edtNoteContains", page);
    edtNoteExclude1 = lineEdit("edtNoteExclude1", page);
    edtNoteExclude2 = lineEdit("edtNoteExclude2", page);
    edtRewardContains = lineEdit("edtRewardContains", page);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("考核结论"), cbGrade);
    form->addRow(QString(), row({rbAllYears, rbYear, edtYear, cbYearRel}, page));
    form->addRow(QStringLiteral("通过年度考核描述查找：包含"), edtNoteContains);
    form->addRow(QStringLiteral("排除"), edtNoteExclude1);
    form->addRow(QStringLiteral("排除"), edtNoteExclude2);
    auto* hint = new QLabel(
        QStringLiteral("注意：这种情况是采用模糊匹配，因此如果要查找“称职”的干部，则应该选择") +
            QStringLiteral("包含“称职”，排除“基本称职”和“不称职”"),
        page);
    hint->setWordWrap(true);
    form->addRow(hint);
    form->addRow(QStringLiteral("奖惩描述中 包含"), edtRewardContains);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(form);
    layout->addStretch();
    return page;
}

QWidget* TQueryAdvForm::makePostsTab() {
    auto* page = new QWidget(this);
    edtAppointedFrom = monthEdit("edtAppointedFrom", page);
    edtAppointedTo = monthEdit("edtAppointedTo", page);
    edtRemovedFrom = monthEdit("edtRemovedFrom", page);
    edtRemovedTo = monthEdit("edtRemovedTo", page);
    edtPostName = lineEdit("edtPostName", page);
    cbAppointReason = comboBox("cbAppointReason", {}, page, true, true);
    cbRemoveReason = comboBox("cbRemoveReason", {}, page, true, true);
    chkCurrent = new QCheckBox(QStringLiteral("现任职"), page);
    chkCurrent->setObjectName(QStringLiteral("chkCurrent"));
    chkFormer = new QCheckBox(QStringLiteral("曾任职"), page);
    chkFormer->setObjectName(QStringLiteral("chkFormer"));
    edtEnteredFrom = monthEdit("edtEnteredFrom", page);
    edtEnteredTo = monthEdit("edtEnteredTo", page);
    treePostUnits = new UnitTreeWidget(page);
    treePostUnits->setObjectName(QStringLiteral("treePostUnits"));
    treePostUnits->setDatabase(&dm_.db());
    treePostUnits->setCheckable(true);
    treePostUnits->reload();
    auto* to = new QLabel(QStringLiteral("至"), page);
    auto* to2 = new QLabel(QStringLiteral("至"), page);
    auto* to3 = new QLabel(QStringLiteral("至"), page);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("任职时间"), row({edtAppointedFrom, to, edtAppointedTo}, page));
    form->addRow(QStringLiteral("免职时间"), row({edtRemovedFrom, to2, edtRemovedTo}, page));
    form->addRow(QStringLiteral("职务名称"), edtPostName);
    form->addRow(QStringLiteral("任职原因"), cbAppointReason);
    form->addRow(QStringLiteral("免职原因"), cbRemoveReason);
    form->addRow(QStringLiteral("搜索范围"), row({chkCurrent, chkFormer}, page));
    form->addRow(
        new QLabel(QStringLiteral("注意：若要搜索免职信息，搜索范围必须包括曾任职"), page));
    form->addRow(QStringLiteral("进入所在单位时间"),
                 row({edtEnteredFrom, to3, edtEnteredTo}, page));
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(form);
    auto* units = new QVBoxLayout;
    units->addWidget(new QLabel(QStringLiteral("任职单位"), page));
    units->addWidget(treePostUnits, 1);
    layout->addLayout(units, 1);
    return page;
}

QWidget* TQueryAdvForm::makeTrainingTab() {
    auto* page = new QWidget(this);
    edtTrainFrom = monthEdit("edtTrainFrom", page);
    edtTrainTo = monthEdit("edtTrainTo", page);
    cbTrainMethod = comboBox("cbTrainMethod", search::kTrainingMethods, page);
    cbTrainType = comboBox("cbTrainType", {}, page, true, true);
    edtTrainDays = lineEdit("edtTrainDays", page);
    edtTrainDays->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,6}")), edtTrainDays));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("培训时间"),
                 row({edtTrainFrom, new QLabel(QStringLiteral("至"), page), edtTrainTo}, page));
    form->addRow(QStringLiteral("培训种类"), cbTrainMethod);
    form->addRow(QStringLiteral("培训类别"), cbTrainType);
    form->addRow(QStringLiteral("培训时间合计（天）"), edtTrainDays);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(form);
    layout->addStretch();
    return page;
}

QWidget* TQueryAdvForm::makeUnitsTab() {
    auto* page = new QWidget(this);
    treeUnits = new UnitTreeWidget(page);
    treeUnits->setObjectName(QStringLiteral("treeUnits"));
    treeUnits->setDatabase(&dm_.db());
    treeUnits->setCheckable(true);
    treeUnits->reload();
    lblUnitCount = new QLabel(page);
    lblUnitCount->setObjectName(QStringLiteral("lblUnitCount"));
    QPushButton* filter = widgets::namedButton("btnFilterUnits", QStringLiteral("筛选单位"));
    QPushButton* selected = widgets::namedButton("btnSelectedUnits", QStringLiteral("已选中单位"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblUnitCount);
    bottom->addStretch();
    bottom->addWidget(filter);
    bottom->addWidget(selected);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(treeUnits, 1);
    layout->addLayout(bottom);
    connect(treeUnits, &QTreeWidget::itemChanged, this, [this] { updateUnitCount(); });
    connect(filter, &QPushButton::clicked, this, &TQueryAdvForm::filterUnits);
    connect(selected, &QPushButton::clicked, this, &TQueryAdvForm::showSelectedUnits);
    return page;
}

void TQueryAdvForm::updateUnitCount() {
    lblUnitCount->setText(QStringLiteral("当前共选中单位：") +
                          QString::number(treeUnits->checkedUnitIds().size()));
}

void TQueryAdvForm::filterUnits() {
    TQueryDwForm filter(dm_, *treeUnits, this);
    if (filter.exec() != QDialog::Accepted) {
        return;
    }
    const Result<QList<int>> ids = search::unitsMatching(dm_.db(), filter.whereClause());
    if (!ids) {
        app::showFailure(ids.failure());
        return;
    }
    for (QTreeWidgetItem* item : treeUnits->itemsInDisplayOrder()) {
        if (ids->contains(item->data(0, UnitTreeWidget::IdRole).toInt())) {
            item->setCheckState(0, Qt::Checked);
        }
    }
    updateUnitCount();
    app::showInformation(foundUnitsMessage(static_cast<int>(ids->size())));
}

void TQueryAdvForm::showSelectedUnits() {
    QList<TSelectedDwForm::Unit> units;
    for (const QTreeWidgetItem* item : treeUnits->itemsInDisplayOrder()) {
        if (item->checkState(0) == Qt::Checked) {
            units.append({item->data(0, UnitTreeWidget::IdRole).toInt(),
                          item->data(0, UnitTreeWidget::NameRole).toString(), true});
        }
    }
    TSelectedDwForm form(this);
    form.setUnits(units);
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    const QList<int> kept = form.checkedUnitIds();
    for (QTreeWidgetItem* item : treeUnits->itemsInDisplayOrder()) {
        if (item->checkState(0) == Qt::Checked &&
            !kept.contains(item->data(0, UnitTreeWidget::IdRole).toInt())) {
            item->setCheckState(0, Qt::Unchecked);
        }
    }
    updateUnitCount();
}

QList<int> TQueryAdvForm::checkedUnits() const {
    return treeUnits->checkedUnitIds();
}

void TQueryAdvForm::clearConditions() {
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        if (qobject_cast<QComboBox*>(box->parent()) == nullptr) {
            box->clear();
        }
    }
    for (QComboBox* box : findChildren<QComboBox*>()) {
        if (box == cbCadreType) {
            continue;
        }
        // Relation lists start at their first relation, value lists at the empty item.
        box->setCurrentIndex(0);
        if (box->isEditable()) {
            box->setEditText(box->itemText(0));
        }
    }
    cbCadreType->setValue(0);
    rbAgeNow->setChecked(true);
    rbAllYears->setChecked(true);
    chkCurrent->setChecked(false);
    chkFormer->setChecked(false);
    edtAgeTo->setEnabled(false);
    updateUnitCount();
}

search::SearchConditions TQueryAdvForm::conditions() const {
    search::SearchConditions c;
    c.today = today_;
    search::BasicConditions& b = c.basic;
    b.status = cbStatus->currentIndex();
    b.identity = chosen(cbIdentity);
    b.typeMask = cbCadreType->value();
    b.name = edtName->text().trimmed();
    b.postContains = edtPostContains->text().trimmed();
    b.postExcludes = edtPostExcludes->text().trimmed();
    b.sex = chosen(cbSex);
    b.nation = cbNation->currentIndex() - 1;
    b.party = cbParty->currentIndex() - 1;
    b.ageRelation = cbAgeRelation->currentIndex() - 1;
    b.ageFrom = edtAgeFrom->text();
    b.ageTo = edtAgeTo->text();
    b.ageAtMonth = rbAgeAt->isChecked();
    b.ageMonth = edtAgeMonth->text();
    b.partyDate = {edtPartyDate->text(), relation(cbPartyDateRel)};
    b.workDate = {edtWorkDate->text(), relation(cbWorkDateRel)};
    b.education = {chosen(cbEducation), relation(cbEduRel), relation(cbEduKind)};
    b.degree = {chosen(cbDegree), relation(cbDegreeRel), relation(cbDegreeKind)};
    b.school = edtSchool->text().trimmed();
    b.title = edtTitle->text().trimmed();
    b.speciality = edtSpeciality->text().trimmed();
    b.rank = {chosen(cbRank), relation(cbRankRel), 0};
    b.rankDate = {edtRankDate->text(), relation(cbRankDateRel)};
    b.postDate = {edtPostDate->text(), relation(cbPostDateRel)};
    b.birthPlace = edtBirthPlace->text().trimmed();
    b.nativePlace = edtNativePlace->text().trimmed();

    search::AssessmentConditions& a = c.assessment;
    a.grade = chosen(cbGrade);
    a.allYears = rbAllYears->isChecked();
    a.year = edtYear->text();
    a.yearRelation = relation(cbYearRel);
    a.noteContains = edtNoteContains->text().trimmed();
    a.noteExcludes1 = edtNoteExclude1->text().trimmed();
    a.noteExcludes2 = edtNoteExclude2->text().trimmed();
    a.rewardContains = edtRewardContains->text().trimmed();

    search::PostConditions& p = c.posts;
    p.appointedFrom = edtAppointedFrom->text();
    p.appointedTo = edtAppointedTo->text();
    p.removedFrom = edtRemovedFrom->text();
    p.removedTo = edtRemovedTo->text();
    p.postName = edtPostName->text().trimmed();
    p.appointReason = chosen(cbAppointReason);
    p.removeReason = chosen(cbRemoveReason);
    p.current = chkCurrent->isChecked();
    p.former = chkFormer->isChecked();
    p.postUnits = treePostUnits->checkedUnitIds();
    p.enteredFrom = edtEnteredFrom->text();
    p.enteredTo = edtEnteredTo->text();
    // The units restrict the entry dates only when a date is given.
    if (!p.enteredFrom.trimmed().isEmpty() || !p.enteredTo.trimmed().isEmpty()) {
        p.enteredUnits = p.postUnits;
    }

    c.training = {edtTrainFrom->text(), edtTrainTo->text(), chosen(cbTrainMethod),
                  chosen(cbTrainType), edtTrainDays->text()};
    c.units = treeUnits->checkedUnitIds();
    return c;
}

void TQueryAdvForm::tryAccept() {
    const Result<QString> where = search::whereClause(dm_.db(), conditions());
    if (!where) {
        if (where.failure().dbError.isEmpty()) {
            app::showInformation(where.failure().message);
        } else {
            app::showFailure(where.failure());
        }
        return;
    }
    where_ = *where;
    accept();
}
