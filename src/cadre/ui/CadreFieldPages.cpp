#include "cadre/ui/CadreFieldPages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "cadre/CadreRecord.h"
#include "cadre/PickLists.h"
#include "text/MonthText.h"
#include "widgets/CheckComboBox.h"
#include "widgets/MonthEntryBox.h"

namespace {

QVariant textValue(const QString& text) {
    return text.isEmpty() ? QVariant() : QVariant(text);
}

// A grid of caption/control pairs, two pairs to a row.
class PairGrid {
  public:
    explicit PairGrid(QGridLayout* grid) : grid_(grid) {}
    void add(const QString& caption, QWidget* control, int span = 1) {
        if (column_ + span > 2) {
            ++row_;
            column_ = 0;
        }
        grid_->addWidget(new QLabel(caption), row_, column_ * 2);
        grid_->addWidget(control, row_, column_ * 2 + 1, 1, span * 2 - 1);
        column_ += span;
    }

  private:
    QGridLayout* grid_;
    int row_ = 0;
    int column_ = 0;
};

}  // namespace

CadreFieldPages::CadreFieldPages(const cadre::PickLists& lists, QObject* parent)
    : QObject(parent), basic_(new QWidget), extended_(new QWidget), ranks_(lists.ranks) {
    basic_->setObjectName(QStringLiteral("tsBasic"));
    extended_->setObjectName(QStringLiteral("tsExtended"));

    // "基本信息".
    auto* identity = new QGridLayout;
    PairGrid id(identity);
    edtXm = line("xm", "edtXm");
    edtXm->setMaxLength(50);
    id.add(QStringLiteral("姓   名"), edtXm);
    id.add(QStringLiteral("性 别"), combo("xb", "cbXb", cadre::kSexes, false));
    cbCtype = new CheckComboBox;
    cbCtype->setObjectName(QStringLiteral("cbCtype"));
    cbCtype->setItems(cadre::kCadreTypes);
    cbCtype->setEmptyText(QStringLiteral("请选择"));
    bindings_.push_back({QStringLiteral("ctype"), [this] { return QVariant(cbCtype->value()); },
                         [this](const QVariant& v) { cbCtype->setValue(v.toInt()); }});
    inputs_ << cbCtype;
    connect(cbCtype, &CheckComboBox::closed, this, &CadreFieldPages::edited);
    id.add(QStringLiteral("干部类型"), cbCtype);
    id.add(QStringLiteral("人员身份"), combo("rybz", "cbRybz", lists.categories, false));
    edtCsny = monthLine("csnyStr", "edtCsny");
    lblAge = new QLabel(QStringLiteral(" 岁"));
    lblAge->setObjectName(QStringLiteral("lblAge"));
    auto* birth = new QWidget;
    auto* birthRow = new QHBoxLayout(birth);
    birthRow->setContentsMargins(0, 0, 0, 0);
    birthRow->addWidget(edtCsny, 1);
    birthRow->addWidget(lblAge);
    connect(edtCsny, &QLineEdit::textChanged, this, &CadreFieldPages::showAge);
    id.add(QStringLiteral("出生年月"), birth);
    id.add(QStringLiteral("民   族"), combo("mz", "cbMz", cadre::kEthnicGroups, false));
    cbJgsheng = combo("jgsheng", "cbJgsheng", lists.nativePlaces, true);
    id.add(QStringLiteral("籍 贯"), cbJgsheng);
    cbCssheng = combo("cssheng", "cbCssheng", lists.birthPlaces, true);
    id.add(QStringLiteral("出生地"), cbCssheng);
    id.add(QStringLiteral("政治面貌"), combo("zzmm", "cbZzmm", cadre::kPoliticalStatuses, false));
    id.add(QStringLiteral("入党时间"), monthLine("rdsjStr", "edtRdsj"));
    id.add(QStringLiteral("工作时间"), monthLine("gzsjStr", "edtGzsj"));
    id.add(QStringLiteral("健康状况"), combo("jkzk", "cbJkzk", cadre::kHealthStates, false));
    cbZwjb = combo("zwjb", "cbZwjb", lists.ranks, false);
    cbZwjb->setToolTip(
        QStringLiteral("当前干部的职级，您可以在主界面中进入<设置>页，按照您的使用需要定制职级"));
    connect(cbZwjb, &QComboBox::activated, this, &CadreFieldPages::rankLeft);
    bindings_.push_back({QStringLiteral("zwjb2"), [this] { return textValue(zwjb2_); },
                         [this](const QVariant& v) { zwjb2_ = v.toString(); }});
    id.add(QStringLiteral("职务级别"), cbZwjb);
    QLineEdit* rankTime = monthLine("zwjbTimeStr", "edtZwjbTime");
    rankTime->setToolTip(QStringLiteral("初任职级时间"));
    id.add(QStringLiteral("任职级时间"), rankTime);
    QLineEdit* postTime = monthLine("allRzsjList", "edtAllRzsjList");
    postTime->setToolTip(QStringLiteral("任职时间"));
    id.add(QStringLiteral("任现职时间"), postTime);
    QPlainTextEdit* xrz = memo("xrz", "memXrz");
    xrz->setMaximumHeight(60);
    id.add(QStringLiteral("现任职务"), xrz, 2);
    chkZwLock = new QCheckBox(
        QStringLiteral("锁定干部基本信息中现任职务、任职时间，不随“任职详细”自动变化"));
    chkZwLock->setObjectName(QStringLiteral("chkZwLock"));
    bindings_.push_back({QStringLiteral("ZwLock"), [this] { return chkZwLock->isChecked(); },
                         [this](const QVariant& v) { chkZwLock->setChecked(v.toBool()); }});
    inputs_ << chkZwLock;
    connect(chkZwLock, &QCheckBox::toggled, this, &CadreFieldPages::edited);

    const auto educationGroup = [this, &lists](const QString& title, const char* xl, const char* xw,
                                               const char* school, const char* prefix) {
        auto* group = new QGroupBox(title);
        auto* form = new QFormLayout(group);
        const QByteArray p(prefix);
        form->addRow(QStringLiteral("学   历"),
                     combo(xl, QByteArray("cb" + p + "Xl").constData(), lists.educations, true));
        form->addRow(QStringLiteral("学   位"),
                     combo(xw, QByteArray("cb" + p + "Xw").constData(), lists.degrees, true));
        QPlainTextEdit* schoolBox = memo(school, QByteArray("mem" + p + "School").constData());
        schoolBox->setMaximumHeight(50);
        form->addRow(QStringLiteral("毕业学校\n及专业"), schoolBox);
        return group;
    };
    auto* educations = new QHBoxLayout;
    educations->addWidget(
        educationGroup(QStringLiteral(" 全日制教育 "), "qrzxl", "qrzxw", "qrzxxzy", "Qrz"));
    educations->addWidget(
        educationGroup(QStringLiteral(" 在职教育 "), "zzxl", "zzxw", "zzxxzy", "Zz"));

    auto* title = new QGroupBox(QStringLiteral("专业技术职务、特长"));
    auto* titleGrid = new QGridLayout(title);
    PairGrid t(titleGrid);
    t.add(QStringLiteral("技术职称"), line("zyjszw", "edtZyjszw"));
    QComboBox* grade = combo("zydj", "cbZydj", lists.titleGrades, true);
    t.add(QStringLiteral("等 级"), grade);
    QLineEdit* titleTime = dateBox("zyzcTime", "edtZyzcTime", QStringLiteral("yyyy.MM"));
    widgets::limitToMonthEntry(titleTime);
    t.add(QStringLiteral("取得时间"), titleTime);
    t.add(QStringLiteral("专长特长"), line("zytc", "edtZytc"));

    auto* basicLayout = new QVBoxLayout(basic_);
    basicLayout->addLayout(identity);
    basicLayout->addWidget(chkZwLock);
    basicLayout->addLayout(educations);
    basicLayout->addWidget(title);
    basicLayout->addStretch();

    // "扩展信息".
    auto* personal = new QGroupBox(QStringLiteral(" 个人信息 "));
    auto* personalGrid = new QGridLayout(personal);
    PairGrid p(personalGrid);
    p.add(QStringLiteral("证件类型："), combo("zjType", "cbZjType", cadre::kIdTypes, true));
    p.add(QStringLiteral("证件号："), line("zjh", "edtZjh"));
    p.add(QStringLiteral("工作电话："), line("tel", "edtTel"));
    p.add(QStringLiteral("私人电话："), line("tel2", "edtTel2"));
    p.add(QStringLiteral("家庭住址："), line("address", "edtAddress"), 2);
    auto* custom = new QGroupBox(QStringLiteral(" 自定义扩展 "));
    auto* customGrid = new QGridLayout(custom);
    PairGrid c(customGrid);
    c.add(QStringLiteral("字符串1："), line("res5", "edtRes5"));
    c.add(QStringLiteral("字符串2："), line("res6", "edtRes6"));
    c.add(QStringLiteral("字符串3："), line("res7", "edtRes7"));
    c.add(QStringLiteral("字符串4："), line("res8", "edtRes8"));
    lblOther = new QLabel(QStringLiteral("备  注："));
    lblOther->setObjectName(QStringLiteral("lblOther"));
    customGrid->addWidget(lblOther, 2, 0);
    customGrid->addWidget(memo("other", "memOther"), 2, 1, 1, 3);
    auto* archive = new QGroupBox(QStringLiteral("档案管理"));
    auto* archiveGrid = new QGridLayout(archive);
    PairGrid a(archiveGrid);
    a.add(QStringLiteral("档案编号："), line("A3811", "edtA3811"));
    a.add(QStringLiteral("档案位置："), line("A3834", "edtA3834"));
    a.add(QStringLiteral("正本卷数："), spin("A3827", "seA3827"));
    a.add(QStringLiteral("副本卷数："), spin("A3831", "seA3831"));
    a.add(QStringLiteral("转入日期："), dateBox("A3801", "edtA3801", QStringLiteral("yyyy-MM-dd")));
    a.add(QStringLiteral("转出日期："), dateBox("A3817", "edtA3817", QStringLiteral("yyyy-MM-dd")));
    a.add(QStringLiteral("档案来处："), line("A3804A", "edtA3804A"));
    a.add(QStringLiteral("档案去处："), line("A3821A", "edtA3821A"));
    a.add(QStringLiteral("管理单位："), line("A3807A", "edtA3807A"), 2);
    a.add(QStringLiteral("备 注："), memo("A3824", "memA3824"), 2);
    auto* catalogue = new QLabel(QStringLiteral("<a href=\"#\">档案目录</a>"));
    catalogue->setObjectName(QStringLiteral("lnkDaml"));
    connect(catalogue, &QLabel::linkActivated, this, &CadreFieldPages::catalogueRequested);
    archiveGrid->addWidget(catalogue, archiveGrid->rowCount(), 0);
    memKhNote = memo("khNote", "memKhNote");
    memJcNote = memo("jcNote", "memJcNote");
    auto* extendedLayout = new QVBoxLayout(extended_);
    extendedLayout->addWidget(personal);
    extendedLayout->addWidget(custom);
    extendedLayout->addWidget(archive);
    extendedLayout->addStretch();
}

QLineEdit* CadreFieldPages::line(const char* column, const char* name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    bindings_.push_back({QString::fromLatin1(column), [edit] { return textValue(edit->text()); },
                         [edit](const QVariant& v) { edit->setText(v.toString()); }});
    inputs_ << edit;
    connect(edit, &QLineEdit::textEdited, this, &CadreFieldPages::edited);
    return edit;
}

QLineEdit* CadreFieldPages::monthLine(const char* column, const char* name) {
    QLineEdit* edit = line(column, name);
    widgets::limitToMonthEntry(edit);
    return edit;
}

QComboBox* CadreFieldPages::combo(const char* column, const char* name, const QStringList& items,
                                  bool editable) {
    auto* box = new QComboBox;
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(editable);
    box->addItem(QString());
    box->addItems(items);
    bindings_.push_back({QString::fromLatin1(column),
                         [box] { return textValue(box->currentText()); },
                         [box](const QVariant& v) {
                             const QString text = v.toString();
                             int at = box->findText(text);
                             if (at < 0) {
                                 // A stored value outside the list is shown as it is.
                                 box->addItem(text);
                                 at = box->count() - 1;
                             }
                             box->setCurrentIndex(at);
                         }});
    inputs_ << box;
    connect(box, &QComboBox::activated, this, &CadreFieldPages::edited);
    if (editable) {
        connect(box, &QComboBox::editTextChanged, this, &CadreFieldPages::edited);
    }
    return box;
}

QPlainTextEdit* CadreFieldPages::memo(const char* column, const char* name) {
    auto* edit = new QPlainTextEdit;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setTabChangesFocus(true);
    // Memo lines are stored ending with CR LF; the box shows them ending with LF.
    bindings_.push_back(
        {QString::fromLatin1(column),
         [edit] { return textValue(edit->toPlainText().replace(u'\n', QStringLiteral("\r\n"))); },
         [edit](const QVariant& v) {
             edit->setPlainText(v.toString().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
         }});
    inputs_ << edit;
    memos_ << edit;
    connect(edit, &QPlainTextEdit::textChanged, this, [this, edit] {
        if (edit->hasFocus()) {
            Q_EMIT edited();
        }
    });
    return edit;
}

QSpinBox* CadreFieldPages::spin(const char* column, const char* name) {
    auto* box = new QSpinBox;
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(0, 9999);
    bindings_.push_back({QString::fromLatin1(column), [box] { return box->value(); },
                         [box](const QVariant& v) { box->setValue(v.toInt()); }});
    inputs_ << box;
    connect(box, &QSpinBox::valueChanged, this, &CadreFieldPages::edited);
    return box;
}

QLineEdit* CadreFieldPages::dateBox(const char* column, const char* name, const QString& format) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setPlaceholderText(format == QStringLiteral("yyyy.MM") ? QStringLiteral("年.月")
                                                                 : QStringLiteral("年-月-日"));
    // The box hands over what was typed; the save reads it as a date or refuses it.
    bindings_.push_back({QString::fromLatin1(column),
                         [edit] { return textValue(edit->text().trimmed()); },
                         [edit, format](const QVariant& v) {
                             const QDate date = v.toDate();
                             edit->setText(date.isValid() ? date.toString(format) : QString());
                         }});
    inputs_ << edit;
    connect(edit, &QLineEdit::textEdited, this, &CadreFieldPages::edited);
    return edit;
}

void CadreFieldPages::load(const QMap<QString, QVariant>& row) {
    for (const Binding& b : bindings_) {
        b.write(row.value(b.column));
    }
    showAge();
}

void CadreFieldPages::update(const QMap<QString, QVariant>& row) {
    for (const Binding& b : bindings_) {
        if (row.contains(b.column)) {
            b.write(row.value(b.column));
        }
    }
}

QMap<QString, QVariant> CadreFieldPages::values() const {
    QMap<QString, QVariant> row;
    for (const Binding& b : bindings_) {
        row.insert(b.column, b.read());
    }
    return row;
}

void CadreFieldPages::setEditable(bool on) {
    editable_ = on;
    for (QWidget* w : inputs_) {
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            edit->setReadOnly(!on);
        } else if (auto* text = qobject_cast<QPlainTextEdit*>(w)) {
            text->setReadOnly(!on);
        } else if (auto* box = qobject_cast<QSpinBox*>(w)) {
            box->setReadOnly(!on);
        } else {
            w->setEnabled(on);
        }
    }
}

void CadreFieldPages::setRemarkCaption(const QString& caption) {
    if (!caption.isEmpty()) {
        lblOther->setText(caption);
    }
}

void CadreFieldPages::offerPlaces(const QString& nativePlace, const QString& birthPlace) {
    for (auto [box, place] :
         {std::pair{cbJgsheng, nativePlace}, std::pair{cbCssheng, birthPlace}}) {
        if (!place.isEmpty() && box->findText(place) < 0) {
            box->addItem(place);
        }
    }
}

QList<QWidget*> CadreFieldPages::inputs() const {
    return inputs_;
}

bool CadreFieldPages::isMemo(const QWidget* w) const {
    for (const QPlainTextEdit* m : memos_) {
        if (m == w || m->viewport() == w) {
            return true;
        }
    }
    return false;
}

void CadreFieldPages::showAge() {
    lblAge->setText(text::ageLabel(edtCsny->text(), QDate::currentDate()));
}

void CadreFieldPages::rankLeft() {
    // The rank below the chosen one, when the list has it.
    if (!editable_ || cbZwjb->currentIndex() <= 1) {
        return;
    }
    const QString lower = cadre::nextLowerRank(cbZwjb->currentText(), ranks_);
    if (!lower.isEmpty()) {
        zwjb2_ = lower;
    }
}
