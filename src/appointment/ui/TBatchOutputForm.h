#pragma once

#include <QDialog>
#include <QList>
#include <functional>

#include "appointment/BatchForms.h"
#include "appointment/LrmExport.h"

class QComboBox;
class QProgressBar;
class QPushButton;
class QTableWidget;
class TDataM;

// The batch output window "批量打印、导出" for the lines of one plan, or for cadre records (then a
// choice between the approval form and the short profile "干部简要情况表"): a check column
// "选中", "全 选", "清 除", "直接打印" (the print preview of all checked forms, from which they
// are printed or saved as one PDF), "PDF输出" (one PDF file for all), "Word打印" (a .docx per
// cadre into a chosen folder), "照片输出" (<xm>.jpg per cadre), "简历输出" (the text resume
// <xm>同志简历.docx per cadre), "LRM输出" and "LRMX输出" (the approval-form files) and "退 出". A
// progress bar follows the work and "取消" stops it.
class TBatchOutputForm final : public QDialog {
    Q_OBJECT

  public:
    TBatchOutputForm(TDataM& dm, int planId, QWidget* parent = nullptr);
    // The records' variant over the cadres `cadreIds`, listed in this order (each once).
    TBatchOutputForm(TDataM& dm, const QList<int>& cadreIds, QWidget* parent = nullptr);

    // Asks for a path: a PDF file to write (folder false) or a folder (folder true); "" when the
    // user cancels. By default the desktop's dialogs.
    using PathChooser = std::function<QString(QWidget* parent, bool folder)>;
    void setPathChooser(PathChooser chooser) { choosePath_ = std::move(chooser); }

    // Offers "按模板输出": the checked cadres are handed to `output`, which writes them through
    // one of the user's own templates (its dialogs over `parent`, this window). Without it the
    // button is hidden.
    using TemplateOutput = std::function<void(QWidget* parent, const QList<int>& cadreIds)>;
    void setTemplateOutput(TemplateOutput output);

    // The plan lines (or, for records, the cadres) checked, in list order.
    QList<int> checkedLines() const;
    // The cadres of the checked rows, in list order.
    QList<int> checkedCadres() const;

    // For a list longer than a batch holds, asks for the rows to keep ("批量打印范围") and lists
    // only those; false when the user cancels. A shorter list stays as it is.
    bool limitToRange();

    void checkAll(bool checked);
    void printForms();
    void writePdf();
    void writeWord();
    void writePhotos();
    void writeResumes();
    // "LRM输出" / "LRMX输出": the approval-form file of each checked row (<xm>.lrm with its
    // <xm>.pic photo, or <xm>.lrmx) into a chosen folder, from the plan line or the record.
    void writeLrm(appointment::LrmFormat format);

  private:
    TBatchOutputForm(TDataM& dm, bool records, QWidget* parent);
    void fillRows(const QList<appointment::BatchRow>& rows);
    QList<int> checkedColumn(int role) const;
    appointment::RecordForm recordForm() const;
    // The title of the forms output: the short profile's or the approval form's.
    QString title() const;
    // The layout of `keys` in the window's variant, following the progress bar.
    Result<report::Layout> layoutOf(const QList<int>& keys);
    // Checks the count of `keys` and asks for the folder to write into; "" to stop.
    QString folderFor(const QList<int>& keys);
    // The checked lines when there are some and not too many; otherwise shows why and gives none.
    QList<int> linesToOutput();
    // Starts following a batch of `count` forms; the returned callback advances the bar and
    // reports whether to go on.
    std::function<bool(int)> startProgress(int count);
    void endProgress();

    TDataM& dm_;
    bool records_;
    QComboBox* cbForm_ = nullptr;
    QTableWidget* grid_;
    QProgressBar* progress_;
    QPushButton* btnStop_;
    bool stopped_ = false;
    PathChooser choosePath_;
    TemplateOutput templateOutput_;
    QPushButton* btnTemplate_;
};
