#pragma once

#include <QDialog>

#include "exchange/HandheldExport.h"
#include "exchange/ui/FileChooser.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class QTreeWidget;
class TDataM;

// "PDA（掌上电脑）数据导出": a wizard of six pages (welcome, which cadres, which units, which
// contents, the device password, the output file). "完成" checks the choice, writes the
// instruction file and runs the converter with the wait window; when it succeeds the wizard
// closes with "OK", otherwise the failure is shown and the wizard stays open.
class TPDAForm final : public QDialog {
    Q_OBJECT

  public:
    enum PageIndex { Welcome, Filter, Units, Contents, Security, Output };

    explicit TPDAForm(TDataM& dm, QWidget* parent = nullptr);

    void setFileChooser(exchange::FileChooser chooser) { chooseFile_ = std::move(chooser); }
    // The converter run on "完成"; by default cadre-handheld beside the program.
    void setConverter(const QString& program) { converter_ = program; }
    int currentPage() const;
    // The choice as the pages show it.
    exchange::HandheldChoice choice() const;

  private:
    QWidget* makeWelcomePage();
    QWidget* makeFilterPage();
    QWidget* makeUnitsPage();
    QWidget* makeContentsPage();
    QWidget* makeSecurityPage();
    QWidget* makeOutputPage();
    void loadUnits();
    void showPage(int page);
    void btnPrevClick();
    void btnNextClick();
    void btnBrowseClick();
    void finish();

    TDataM& dm_;
    exchange::FileChooser chooseFile_;
    QString converter_;
    QStackedWidget* pages;
    QRadioButton* rbAll;
    QRadioButton* rbPart;
    QTreeWidget* tvUnits;
    QCheckBox* chkBasic;
    QCheckBox* chkAssess;
    QCheckBox* chkPhoto;
    QCheckBox* chkFamily;
    QLineEdit* edtPassword;
    QLineEdit* edtConfirm;
    QSpinBox* spnDelTimes;
    QLineEdit* edtOutput;
    QPushButton* btnBrowse;
    QPushButton* btnPrev;
    QPushButton* btnNext;
    QPushButton* btnCancel;
};
