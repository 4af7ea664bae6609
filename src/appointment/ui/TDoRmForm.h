#pragma once

#include <QDialog>
#include <QList>
#include <memory>

#include "appointment/PlanExecution.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTableWidget;
class TDataM;

// "任免执行向导": brings the cadre of a decided plan line in line with the decision, page by
// page: the result and opinion, the removed posts, the appointed posts, the current-post text,
// the resume and the corrected personal data. Everything the wizard and the post dialogs opened
// from it change is one execution (appointment::PlanExecution) that "结束" commits; "取消" or
// closing the window leaves the line, the posts and the cadre as they were.
class TDoRmForm final : public QDialog {
    Q_OBJECT

  public:
    enum Page {
        WelcomePage,
        ResultPage,
        RemovalPage,
        AppointmentPage,
        CurrentPostsPage,
        ResumePage,
        DifferencesPage,
        EndPage
    };

    // The wizard over `execution` (started with PlanExecution::start).
    TDoRmForm(TDataM& dm, std::unique_ptr<appointment::PlanExecution> execution,
              QWidget* parent = nullptr);
    ~TDoRmForm() override;

    int currentPage() const;
    void next();
    void back();
    // Closing without "结束" drops the execution at once, undoing every change made.
    void done(int result) override;

  private:
    QWidget* buildWelcome();
    QWidget* buildResult();
    QWidget* buildRemoval();
    QWidget* buildAppointment();
    QWidget* buildCurrentPosts();
    QWidget* buildResume();
    QWidget* buildDifferences();
    QWidget* buildEnd();
    void showPage(int page);
    void enterPage(int page);
    void presetCurrentPostTexts();
    void fillDifferences();
    bool leavePage(int page);
    void fillPostLists();
    int selectedPost() const;
    void addPost();
    void modifyPost();
    void deletePost();
    void finish();

    TDataM& dm_;
    std::unique_ptr<appointment::PlanExecution> execution_;
    QList<int> history_;
    QList<appointment::FieldDifference> differences_;
    QString resumeShown_;  // the resume as the resume page was first filled
    QStackedWidget* pages_;
    QComboBox* cbResult;
    QPlainTextEdit* memoOpinion;
    QTableWidget* lstRemove;
    QLineEdit* edtRemovalMonth;
    QTableWidget* lstPosts;
    QLineEdit* edtXrz;
    QLineEdit* edtRzsj;
    QLabel* lblResumeNote;
    QPlainTextEdit* memoResume;
    QTableWidget* lstDifferences;
    QPushButton* btnBack;
    QPushButton* btnNext;
    QPushButton* btnCancel;
};
