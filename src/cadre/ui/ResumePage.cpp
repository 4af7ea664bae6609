#include "cadre/ui/ResumePage.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "cadre/ui/ResumeGridRows.h"
#include "widgets/DialogParts.h"

using cadre::ResumeTable;

namespace {

// The table form of the resume: Enter moves to the next cell (also when it ends an edit), and
// an empty table says so.
class ResumeGrid final : public QTableWidget {
  public:
    ResumeGrid() : QTableWidget(0, ResumeColumnCount) {}

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
            state() != EditingState) {
            moveToNextCell();
            event->accept();
            return;
        }
        QTableWidget::keyPressEvent(event);
    }

    // The item delegate ends an edit with Enter by asking to submit; the caret then moves on.
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override {
        const bool byEnter = hint == QAbstractItemDelegate::SubmitModelCache;
        QTableWidget::closeEditor(editor, byEnter ? QAbstractItemDelegate::NoHint : hint);
        if (byEnter) {
            moveToNextCell();
        }
    }

    void paintEvent(QPaintEvent* event) override {
        QTableWidget::paintEvent(event);
        if (rowCount() == 0) {
            QPainter painter(viewport());
            painter.drawText(viewport()->rect(), Qt::AlignCenter, QStringLiteral("<没有数据显示>"));
        }
    }

  private:
    void moveToNextCell() {
        const int row = currentRow();
        const int column = currentColumn();
        if (row < 0) {
            return;
        }
        if (column + 1 < columnCount()) {
            setCurrentCell(row, column + 1);
        } else if (row + 1 < rowCount()) {
            setCurrentCell(row + 1, 0);
        }
    }
};

QAction* namedAction(const char* objectName, const QString& caption, QObject* parent) {
    auto* action = new QAction(caption, parent);
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

QToolButton* namedToolButton(const char* objectName, const QString& caption) {
    auto* button = new QToolButton;
    button->setObjectName(QString::fromLatin1(objectName));
    button->setText(caption);
    return button;
}

// The stored form of a memo's text: lines end with CR LF.
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

ResumePage::ResumePage(QWidget* parent)
    : QWidget(parent),
      lblFggz(new QLabel(QStringLiteral("当前分管工作："))),
      memoFggz(new QPlainTextEdit),
      rbTable(new QRadioButton(QStringLiteral("表格型"))),
      rbText(new QRadioButton(QStringLiteral("文本型"))),
      btnBuild(widgets::namedButton("btnBuild", QStringLiteral("生成"))),
      btnShowMode(namedToolButton("btnShowMode", QStringLiteral("显示方式"))),
      actTableForm(namedAction("actTableForm", QStringLiteral("表格型简历"), this)),
      actTextForm(namedAction("actTextForm", QStringLiteral("文本型简历"), this)),
      btnAddRow(widgets::namedButton("btnAddRow", QStringLiteral("添加行"))),
      btnDeleteRow(widgets::namedButton("btnDeleteRow", QStringLiteral("删除行"))),
      btnMoveUp(widgets::namedButton("btnMoveUp", QStringLiteral("上移"))),
      btnMoveDown(widgets::namedButton("btnMoveDown", QStringLiteral("下移"))),
      btnBatch(namedToolButton("btnBatch", QStringLiteral("批处理"))),
      actPunctuation(namedAction("actPunctuation", QStringLiteral("为每行设置标点符号"), this)),
      stkForms(new QStackedWidget),
      gzjl(new QPlainTextEdit),
      cxGrid12(new ResumeGrid),
      actAddRow(namedAction("actAddRow", QStringLiteral("添加行"), this)),
      actDeleteRow(namedAction("actDeleteRow", QStringLiteral("删除行"), this)),
      actMergeRows(namedAction("actMergeRows", QStringLiteral("合并行"), this)) {
    setObjectName(QStringLiteral("ResumePage"));
    lblFggz->setObjectName(QStringLiteral("lblFggz"));
    memoFggz->setObjectName(QStringLiteral("fggz"));
    memoFggz->setFixedHeight(memoFggz->fontMetrics().lineSpacing() * 3 + 12);
    rbTable->setObjectName(QStringLiteral("rbTable"));
    rbText->setObjectName(QStringLiteral("rbText"));
    rbTable->setChecked(true);
    gzjl->setObjectName(QStringLiteral("gzjl"));
    gzjl->setLineWrapMode(QPlainTextEdit::NoWrap);
    cxGrid12->setObjectName(QStringLiteral("cxGrid12"));
    cxGrid12->setHorizontalHeaderLabels(
        {QStringLiteral("开始时间"), QStringLiteral("结束时间"), QStringLiteral("内容")});
    cxGrid12->horizontalHeader()->setSectionResizeMode(ResumeContent, QHeaderView::Stretch);
    cxGrid12->setSelectionBehavior(QAbstractItemView::SelectRows);
    cxGrid12->setSelectionMode(QAbstractItemView::ExtendedSelection);
    cxGrid12->setContextMenuPolicy(Qt::ActionsContextMenu);
    cxGrid12->addActions({actAddRow, actDeleteRow, actMergeRows});

    auto* showModeMenu = new QMenu(btnShowMode);
    showModeMenu->addActions({actTableForm, actTextForm});
    btnShowMode->setMenu(showModeMenu);
    btnShowMode->setPopupMode(QToolButton::MenuButtonPopup);
    // Offered for familiarity; punctuation is left as the user typed it.
    actPunctuation->setEnabled(false);
    auto* batchMenu = new QMenu(btnBatch);
    batchMenu->addAction(actPunctuation);
    btnBatch->setMenu(batchMenu);
    btnBatch->setPopupMode(QToolButton::InstantPopup);

    stkForms->addWidget(cxGrid12);
    stkForms->addWidget(gzjl);

    auto* fggzRow = new QHBoxLayout;
    fggzRow->addWidget(lblFggz, 0, Qt::AlignTop);
    fggzRow->addWidget(memoFggz, 1);
    auto* commands = new QHBoxLayout;
    for (QWidget* command :
         std::initializer_list<QWidget*>{rbTable, rbText, btnBuild, btnShowMode, btnAddRow,
                                         btnDeleteRow, btnMoveUp, btnMoveDown, btnBatch}) {
        commands->addWidget(command);
    }
    commands->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fggzRow);
    layout->addLayout(commands);
    layout->addWidget(stkForms, 1);

    connect(rbTable, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            showTableForm();
        }
    });
    connect(rbText, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            showTextForm();
        }
    });
    connect(btnBuild, &QPushButton::clicked, this, &ResumePage::showTableForm);
    connect(btnShowMode, &QToolButton::clicked, this, &ResumePage::showTableForm);
    connect(actTableForm, &QAction::triggered, this, &ResumePage::showTableForm);
    connect(actTextForm, &QAction::triggered, this, &ResumePage::showTextForm);
    connect(btnAddRow, &QPushButton::clicked, this, &ResumePage::addRow);
    connect(actAddRow, &QAction::triggered, this, &ResumePage::addRow);
    connect(btnDeleteRow, &QPushButton::clicked, this, &ResumePage::deleteRow);
    connect(actDeleteRow, &QAction::triggered, this, &ResumePage::deleteRow);
    connect(btnMoveUp, &QPushButton::clicked, this, [this] { moveRow(-1); });
    connect(btnMoveDown, &QPushButton::clicked, this, [this] { moveRow(1); });
    connect(actMergeRows, &QAction::triggered, this, &ResumePage::mergeRows);
    connect(cxGrid12, &QTableWidget::itemChanged, this, [this] {
        if (!filling_) {
            Q_EMIT edited();
        }
    });
    for (QPlainTextEdit* memo : {gzjl, memoFggz}) {
        connect(memo, &QPlainTextEdit::textChanged, this, [this] {
            if (!filling_) {
                Q_EMIT edited();
            }
        });
    }
    updateCommands();
}

void ResumePage::load(const QString& gzjlText, const QString& fggzText) {
    filling_ = true;
    gzjl->setPlainText(memoText(gzjlText));
    memoFggz->setPlainText(memoText(fggzText));
    filling_ = false;
    if (stkForms->currentWidget() == cxGrid12) {
        showTableForm();
    }
}

QString ResumePage::resumeText() const {
    return stkForms->currentWidget() == cxGrid12 ? cadre::tableToResume(table()) : storedText(gzjl);
}

QString ResumePage::fggz() const {
    return storedText(memoFggz);
}

void ResumePage::setEditable(bool on) {
    editable_ = on;
    updateCommands();
}

// The table is rebuilt from the text, dropping what was typed into the table since the text
// form was left.
void ResumePage::showTableForm() {
    {
        const QSignalBlocker quiet(rbTable);
        rbTable->setChecked(true);
    }
    stkForms->setCurrentWidget(cxGrid12);
    setTable(cadre::resumeToTable(storedText(gzjl)), 0);
    updateCommands();
}

void ResumePage::showTextForm() {
    {
        const QSignalBlocker quiet(rbText);
        rbText->setChecked(true);
    }
    if (stkForms->currentWidget() == cxGrid12) {
        const QString text = cadre::tableToResume(table());
        if (text != storedText(gzjl)) {
            filling_ = true;
            gzjl->setPlainText(memoText(text));
            filling_ = false;
        }
    }
    stkForms->setCurrentWidget(gzjl);
    updateCommands();
}

void ResumePage::updateCommands() {
    const bool tableForm = stkForms->currentWidget() == cxGrid12;
    for (QPushButton* button : {btnAddRow, btnDeleteRow, btnMoveUp, btnMoveDown}) {
        button->setVisible(tableForm);
        button->setEnabled(editable_);
    }
    for (QAction* action : {actAddRow, actDeleteRow, actMergeRows}) {
        action->setEnabled(editable_);
    }
    gzjl->setReadOnly(!editable_);
    memoFggz->setReadOnly(!editable_);
    cxGrid12->setEditTriggers(editable_ ? QAbstractItemView::DoubleClicked |
                                              QAbstractItemView::EditKeyPressed |
                                              QAbstractItemView::AnyKeyPressed
                                        : QAbstractItemView::NoEditTriggers);
}

ResumeTable ResumePage::table() const {
    return readResumeGrid(*cxGrid12);
}

void ResumePage::setTable(const ResumeTable& rows, int currentRow) {
    filling_ = true;
    fillResumeGrid(*cxGrid12, rows, currentRow);
    filling_ = false;
}

// Runs a table command on the rows shown; the user has changed the resume when the rows differ
// afterwards.
void ResumePage::applyToTable(const std::function<int(ResumeTable&)>& command) {
    if (!editable_ || stkForms->currentWidget() != cxGrid12) {
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

void ResumePage::addRow() {
    applyToTable([](ResumeTable& rows) { return cadre::appendResumeRow(rows); });
}

void ResumePage::deleteRow() {
    const int row = cxGrid12->currentRow();
    applyToTable([row](ResumeTable& rows) { return cadre::deleteResumeRow(rows, row); });
}

void ResumePage::moveRow(int step) {
    const int row = cxGrid12->currentRow();
    applyToTable([row, step](ResumeTable& rows) { return cadre::moveResumeRow(rows, row, step); });
}

void ResumePage::mergeRows() {
    std::vector<int> selected;
    for (const QModelIndex& index : cxGrid12->selectionModel()->selectedRows()) {
        selected.push_back(index.row());
    }
    applyToTable([&selected](ResumeTable& rows) { return cadre::mergeResumeRows(rows, selected); });
}
