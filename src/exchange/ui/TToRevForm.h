#pragma once

#include <QDialog>
#include <QTemporaryDir>

#include "exchange/PackageReceive.h"
#include "exchange/ui/FileChooser.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTableWidget;
class TDataM;
class UnitPickerEdit;

// "数据接收": a wizard of five pages without tabs. The user opens a package, passes the cadres to
// receive in the review list (each shown as new "新增" or existing "更改"), ticks the kinds of
// information and may name a unit of the tree that the received cadres join; "确定" on the last
// page merges them and closes the wizard with "OK". Nothing is written before "确定".
class TToRevForm final : public QDialog {
    Q_OBJECT

  public:
    explicit TToRevForm(TDataM& dm, QWidget* parent = nullptr);

    void setFileChooser(exchange::FileChooser chooser) { chooseFile_ = std::move(chooser); }

  private:
    QWidget* buildFilePage();
    QWidget* buildReviewPage();
    QWidget* buildContentPage();
    QWidget* buildUnitPage();
    QWidget* buildStartPage();
    void browse();
    bool readPackage();
    void showReview();
    // Ticks the rows for which `pass` holds of the row's cadre.
    void passWhere(bool (*pass)(const exchange::PackageCadre&));
    void showPage(int index);
    void next();
    void finish();

    TDataM& dm_;
    exchange::FileChooser chooseFile_;
    QString reviewedFile_;
    // The package read for reviewedFile_: the file itself, or an Access package's conversion
    // into scratch_.
    QString reviewedPackage_;
    QTemporaryDir scratch_;
    exchange::PackageReview review_;
    QStackedWidget* pages;
    QLineEdit* edtFile;
    QPushButton* btnBrowse;
    QLabel* lblOrigin;
    QTableWidget* gridReview;
    QPushButton* btnAllPass;
    QPushButton* btnPassNew;
    QPushButton* btnPassChanged;
    QPushButton* btnNonePass;
    QPushButton* btnCompare;
    QCheckBox* chkCadre;
    QCheckBox* chkFamily;
    QCheckBox* chkPhoto;
    QCheckBox* chkPosts;
    QCheckBox* chkTraining;
    QCheckBox* chkRewards;
    QCheckBox* chkAssessments;
    UnitPickerEdit* edtUnit;
    QPushButton* btnPrior;
    QPushButton* btnNext;
    QPushButton* btnCancel;
};
