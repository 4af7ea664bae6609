#pragma once

#include <QDialog>
#include <QList>

#include "cadre/CadrePicker.h"
#include "exchange/ui/FileChooser.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTableWidget;
class TDataM;

// "数据上报": a wizard of three pages without tabs. The user lists the cadres to report (added
// through the cadre selection dialog, each once), ticks the kinds of information and names the
// package file; "完成" writes the package and closes the wizard with "OK".
class TToSendForm final : public QDialog {
    Q_OBJECT

  public:
    explicit TToSendForm(TDataM& dm, QWidget* parent = nullptr);

    void setFileChooser(exchange::FileChooser chooser) { chooseFile_ = std::move(chooser); }

  private:
    QWidget* buildCadrePage();
    QWidget* buildContentPage();
    QWidget* buildFilePage();
    void addCadres();
    void clearCadres();
    void showCadres();
    void showPage(int index);
    void next();
    void browse();
    void finish();

    TDataM& dm_;
    exchange::FileChooser chooseFile_;
    QList<cadre::PickedCadre> cadres_;
    QStackedWidget* pages;
    QTableWidget* gridCadres;
    QLabel* lblCount;
    QPushButton* btnAdd;
    QPushButton* btnClear;
    QCheckBox* chkCadre;
    QCheckBox* chkFamily;
    QCheckBox* chkPhoto;
    QCheckBox* chkTraining;
    QCheckBox* chkRewards;
    QCheckBox* chkAssessments;
    QCheckBox* chkPosts;
    QLineEdit* edtFile;
    QPushButton* btnBrowse;
    QPushButton* btnPrior;
    QPushButton* btnNext;
    QPushButton* btnCancel;
};
