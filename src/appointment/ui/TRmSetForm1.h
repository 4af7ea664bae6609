#pragma once

#include <QDialog>
#include <QMap>

#include "appointment/ApprovalForm.h"
#include "appointment/ApprovalFormBoxes.h"
#include "appointment/Plans.h"

class QLabel;
class FormResumeBox;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QWidget;
class TDataM;

// The approval-form editor "任免表编辑": the lines of one plan on the left, the two pages of the
// form as printed on the tabs "第一页" and "第二页" with a box over every cell that shows a column
// of the current line (the resume as a grid of its rows or as its text), and the commands "关 闭",
// "执行任免", "Word输出", "批量输入", "保 存", "取 消", "预 览", "PDF输出". Edits of a line are
// saved when another line is chosen, on "保 存" and before the form is previewed or written; "取
// 消" shows the stored line again.
class TRmSetForm1 final : public QDialog {
    Q_OBJECT

  public:
    // Opens on plan `planId` with line `lineId` current (the first line when 0). With
    // `editable` false the cells cannot be changed.
    TRmSetForm1(TDataM& dm, int planId, int lineId, bool editable, QWidget* parent = nullptr);

    // The line shown (0: none).
    int currentLineId() const { return lineId_; }
    // Whether the cells differ from the stored line.
    bool isModified() const { return modified_; }

    bool save();
    // "保 存": saves the line; when edited personal fields or the resume now differ from the
    // cadre record, the consistency check (TCheckForm) offers to carry them back.
    void saveAndCheck();
    void cancel();
    // "执行任免": the execution wizard for the cadre of the current line (right RMW), after the
    // pending edits are saved; not opened when the cadre is no longer there.
    void execute();
    void batchEntry();
    void insertPhoto();
    // The form of the current line as printed (saving pending edits first); nullopt when it
    // cannot be read, after showing why.
    std::optional<report::Layout> currentLayout();
    // Writes the form of the current line into TEMP/<xm>.docx from our template and opens it.
    void wordOutput();

  private:
    void buildPages(QTabWidget* tabs);
    QWidget* makeBox(const appointment::FormBox& box);
    void reloadList(int lineId);
    void showLine(int lineId);
    // Keeps the cell texts as stored, to tell which cells an edit changed.
    void rememberShown();
    void lineChosen();
    // The current line as stored (saving pending edits first); nullopt after showing why not.
    std::optional<appointment::ApprovalSource> currentSource();
    void previewForm();
    void writePdf();

    TDataM& dm_;
    appointment::PlanHeader plan_;
    appointment::ApprovalSettings settings_;
    int lineId_ = 0;
    int cadreId_ = 0;
    bool modified_ = false;
    bool loading_ = false;
    QMap<QString, QWidget*> cells_;  // by lower-case column
    QMap<QString, QString> shown_;   // the cells' texts as stored, by lower-case column
    QTableWidget* lineList_;
    QLabel* photoBox_ = nullptr;
    FormResumeBox* resumeBox_ = nullptr;
    QLabel* lblDates_;
};
