#pragma once

#include <QDialog>
#include <QList>
#include <functional>

class QProgressBar;
class QPushButton;
class QTableWidget;
class TDataM;

// The batch output window "批量打印、导出" for the lines of one plan: a check column "选中",
// "全 选", "清 除", "直接打印" (the print preview of all checked forms, from which they are
// printed or saved as one PDF), "PDF输出" (one PDF file for all), "Word打印" (a .docx per cadre
// into a chosen folder) and "退 出". A progress bar follows the work and "取消" stops it.
class TBatchOutputForm final : public QDialog {
    Q_OBJECT

  public:
    TBatchOutputForm(TDataM& dm, int planId, QWidget* parent = nullptr);

    // Asks for a path: a PDF file to write (folder false) or a folder (folder true); "" when the
    // user cancels. By default the desktop's dialogs.
    using PathChooser = std::function<QString(QWidget* parent, bool folder)>;
    void setPathChooser(PathChooser chooser) { choosePath_ = std::move(chooser); }

    // The plan lines checked, in list order.
    QList<int> checkedLines() const;

    void checkAll(bool checked);
    void printForms();
    void writePdf();
    void writeWord();

  private:
    // The checked lines when there are some and not too many; otherwise shows why and gives none.
    QList<int> linesToOutput();
    // Starts following a batch of `count` forms; the returned callback advances the bar and
    // reports whether to go on.
    std::function<bool(int)> startProgress(int count);
    void endProgress();

    TDataM& dm_;
    QTableWidget* grid_;
    QProgressBar* progress_;
    QPushButton* btnStop_;
    bool stopped_ = false;
    PathChooser choosePath_;
};
