#pragma once

#include <QWidget>
#include <functional>

#include "cadre/Resume.h"

class QAction;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTableWidget;
class QToolButton;

// The cadre editor's page "工作简历": the memo "当前分管工作：" (fggz) and the resume (gzjl),
// shown either as its text ("文本型") or as a table of start, end and content ("表格型"). The
// table is built from the text whenever the table form is shown (the radio button, "生成",
// "显示方式" and its menu, loading a cadre) and written back into the text when the text form
// is chosen; the table form has the commands "添加行", "删除行", "上移", "下移" and, in its
// context menu, "合并行".
class ResumePage final : public QWidget {
    Q_OBJECT

  public:
    explicit ResumePage(QWidget* parent = nullptr);

    // Shows a cadre's resume and memo; the form shown stays as it was.
    void load(const QString& gzjl, const QString& fggz);
    // The resume as it is to be stored: in table form the table written back into text.
    QString resumeText() const;
    QString fggz() const;
    // Whether the texts and the table can be changed; the forms can always be switched.
    void setEditable(bool on);

  Q_SIGNALS:
    // The user changed the memo, the resume text or the table.
    void edited();

  private:
    void showTableForm();
    void showTextForm();
    void updateCommands();
    cadre::ResumeTable table() const;
    void setTable(const cadre::ResumeTable& rows, int currentRow);
    void applyToTable(const std::function<int(cadre::ResumeTable&)>& command);
    void addRow();
    void deleteRow();
    void moveRow(int step);
    void mergeRows();

    bool editable_ = true;
    bool filling_ = false;

    QLabel* lblFggz;
    QPlainTextEdit* memoFggz;
    QRadioButton* rbTable;
    QRadioButton* rbText;
    QPushButton* btnBuild;
    QToolButton* btnShowMode;
    QAction* actTableForm;
    QAction* actTextForm;
    QPushButton* btnAddRow;
    QPushButton* btnDeleteRow;
    QPushButton* btnMoveUp;
    QPushButton* btnMoveDown;
    QToolButton* btnBatch;
    QAction* actPunctuation;
    QStackedWidget* stkForms;
    QPlainTextEdit* gzjl;
    QTableWidget* cxGrid12;
    QAction* actAddRow;
    QAction* actDeleteRow;
    QAction* actMergeRows;
};
