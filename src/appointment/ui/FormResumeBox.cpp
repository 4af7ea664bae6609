#include "appointment/ui/FormResumeBox.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "cadre/ui/ResumeGridRows.h"
#include "widgets/DialogParts.h"

using cadre::ResumeTable;

namespace {

QAction* namedAction(const char* objectName, const QString& caption, QObject* parent) {
    auto* action = new QAction(caption, parent);
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

// The stored form of the memo's text: lines end with CR LF.
QString storedText(const QPlainTextEdit* memo) {
    return memo->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
}

// The memo's form of a stored text: lines end with LF.
QString memoText(const QString& text) {
    return QString(text)
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(u'\r', u'\n');
}

}  // namespace

FormResumeBox::FormResumeBox(QWidget* parent)
    : QWidget(parent),
      chkTextMode_(new QCheckBox(QStringLiteral("文本方式编辑"))),
      forms_(new QStackedWidget),
      grid_(new QTableWidget(0, ResumeColumnCount)),
      text_(new QPlainTextEdit) {
    setObjectName(QStringLiteral("resumeBox"));
    chkTextMode_->setObjectName(QStringLiteral("chkTextMode"));
    text_->setObjectName(QStringLiteral("gzjl"));
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    grid_->setObjectName(QStringLiteral("resumeGrid"));
    grid_->setHorizontalHeaderLabels(
        {QStringLiteral("开始时间"), QStringLiteral("结束时间"), QStringLiteral("内容")});
    grid_->horizontalHeader()->setSectionResizeMode(ResumeContent, QHeaderView::Stretch);
    grid_->verticalHeader()->hide();
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid_->setContextMenuPolicy(Qt::ActionsContextMenu);
    forms_->addWidget(grid_);
    forms_->addWidget(text_);

    const auto addRow = [this] {
        applyToTable([](ResumeTable& rows) { return cadre::appendResumeRow(rows); });
    };
    const auto deleteRow = [this] {
        const int row = grid_->currentRow();
        applyToTable([row](ResumeTable& rows) { return cadre::deleteResumeRow(rows, row); });
    };
    const auto moveRow = [this](int step) {
        const int row = grid_->currentRow();
        applyToTable(
            [row, step](ResumeTable& rows) { return cadre::moveResumeRow(rows, row, step); });
    };
    struct Command {
        const char* button;
        const char* action;
        QString caption;
        std::function<void()> run;
    };
    const Command commands[] = {
        {"btnAddRow", "actAddRow", QStringLiteral("添加行"), addRow},
        {"btnDeleteRow", "actDeleteRow", QStringLiteral("删除行"), deleteRow},
        {nullptr, "actMergeRows", QStringLiteral("合并行"), [this] { mergeRows(); }},
        {"btnMoveUp", "actMoveUp", QStringLiteral("上移"), [moveRow] { moveRow(-1); }},
        {"btnMoveDown", "actMoveDown", QStringLiteral("下移"), [moveRow] { moveRow(1); }},
    };
    auto* bar = new QHBoxLayout;
    bar->addWidget(chkTextMode_);
    bar->addStretch(1);
    for (const Command& command : commands) {
        QAction* action = namedAction(command.action, command.caption, this);
        connect(action, &QAction::triggered, this, command.run);
        grid_->addAction(action);
        rowActions_ << action;
        if (command.button != nullptr) {
            QPushButton* button = widgets::namedButton(command.button, command.caption);
            connect(button, &QPushButton::clicked, this, command.run);
            bar->addWidget(button);
            rowButtons_ << button;
        }
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(bar);
    layout->addWidget(forms_, 1);

    connect(chkTextMode_, &QCheckBox::toggled, this, &FormResumeBox::setTextForm);
    connect(grid_, &QTableWidget::itemChanged, this, [this] {
        if (!filling_) {
            Q_EMIT edited();
        }
    });
    connect(text_, &QPlainTextEdit::textChanged, this, [this] {
        if (!filling_) {
            Q_EMIT edited();
        }
    });
}

void FormResumeBox::setResume(const QString& gzjl) {
    filling_ = true;
    text_->setPlainText(memoText(gzjl));
    filling_ = false;
    if (!chkTextMode_->isChecked()) {
        setTable(cadre::resumeToTable(gzjl), 0);
    }
}

QString FormResumeBox::resume() const {
    return chkTextMode_->isChecked() ? storedText(text_) : cadre::tableToResume(table());
}

void FormResumeBox::setEditable(bool on) {
    editable_ = on;
    text_->setReadOnly(!on);
    grid_->setEditTriggers(on ? QAbstractItemView::DoubleClicked |
                                    QAbstractItemView::EditKeyPressed |
                                    QAbstractItemView::AnyKeyPressed
                              : QAbstractItemView::NoEditTriggers);
    for (QPushButton* button : std::as_const(rowButtons_)) {
        button->setEnabled(on);
    }
    for (QAction* action : std::as_const(rowActions_)) {
        action->setEnabled(on);
    }
}

// Ticked, the grid is written into the text when it gives another text; unticked, the grid is
// built again from the text.
void FormResumeBox::setTextForm(bool on) {
    if (on) {
        const QString written = cadre::tableToResume(table());
        if (written != storedText(text_)) {
            filling_ = true;
            text_->setPlainText(memoText(written));
            filling_ = false;
        }
        forms_->setCurrentWidget(text_);
    } else {
        setTable(cadre::resumeToTable(storedText(text_)), 0);
        forms_->setCurrentWidget(grid_);
    }
    for (QPushButton* button : std::as_const(rowButtons_)) {
        button->setVisible(!on);
    }
}

ResumeTable FormResumeBox::table() const {
    return readResumeGrid(*grid_);
}

void FormResumeBox::setTable(const ResumeTable& rows, int currentRow) {
    filling_ = true;
    fillResumeGrid(*grid_, rows, currentRow);
    filling_ = false;
}

// Runs a row command on the grid; the resume is edited when the rows differ afterwards.
void FormResumeBox::applyToTable(const std::function<int(ResumeTable&)>& command) {
    if (!editable_ || chkTextMode_->isChecked()) {
        return;
    }
    ResumeTable rows = table();
    const ResumeTable before = rows;
    const int current = command(rows);
    if (rows == before) {
        return;
    }
    setTable(rows, current);
    Q_EMIT edited();
}

void FormResumeBox::mergeRows() {
    std::vector<int> selected;
    for (const QModelIndex& index : grid_->selectionModel()->selectedRows()) {
        selected.push_back(index.row());
    }
    applyToTable([&selected](ResumeTable& rows) { return cadre::mergeResumeRows(rows, selected); });
}
