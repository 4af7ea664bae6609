#pragma once

#include <QWidget>
#include <functional>

#include "cadre/Resume.h"

class QAction;
class QCheckBox;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTableWidget;

// The resume cell of the approval-form editor: the resume as a grid of rows "开始时间",
// "结束时间", "内容" with "添加行", "删除行", "上移", "下移" (and a context menu that also
// offers "合并行"), or, while "文本方式编辑" is ticked, as its plain text. Ticking the box writes
// the grid back into the text; unticking it builds the grid from the text again.
class FormResumeBox final : public QWidget {
    Q_OBJECT

  public:
    explicit FormResumeBox(QWidget* parent = nullptr);

    // Shows the stored resume `gzjl`, in the form now chosen.
    void setResume(const QString& gzjl);
    // The resume as it is to be stored: in grid form the grid written back (lines joined with
    // CR LF, blanks at the end dropped).
    QString resume() const;
    void setEditable(bool on);

  Q_SIGNALS:
    // The user changed the text or the grid.
    void edited();

  private:
    void setTextForm(bool on);
    cadre::ResumeTable table() const;
    void setTable(const cadre::ResumeTable& rows, int currentRow);
    void applyToTable(const std::function<int(cadre::ResumeTable&)>& command);
    void mergeRows();

    bool editable_ = true;
    bool filling_ = false;
    QCheckBox* chkTextMode_;
    QStackedWidget* forms_;
    QTableWidget* grid_;
    QPlainTextEdit* text_;
    QList<QPushButton*> rowButtons_;
    QList<QAction*> rowActions_;
};
