#pragma once

#include <QDialog>
#include <QList>

#include "settings/SoftwareSettings.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QTableWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;
class TDataM;

// "软件设置": the organisation-wide settings, shown from the database when the dialog opens
// and written back together by "确 定" (settings::saveSettings).
class TConfForm final : public QDialog {
  public:
    explicit TConfForm(TDataM& dm, QWidget* parent = nullptr);

  private:
    QWidget* makeGeneralPage();
    QWidget* makeBackupPage();
    QWidget* makeFieldsPage();
    QWidget* makeCategoriesPage();
    QWidget* makeLeveledPage(QTableWidget* grid, const char* addName, const char* deleteName,
                             const QString& deleteQuestion, const QStringList& notes);
    QWidget* makeParamsPage();
    QWidget* makeNaturesPage();
    void showNatures();
    void editNature(bool adding);
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool editingAllowed() const;
    void allowEditing(bool on);
    void keepParamsText();
    void showSettings(const settings::SoftwareSettings& s);
    settings::SoftwareSettings collected();
    void moveCategory(int step);
    void btnOKClick();

    TDataM& dm_;
    settings::SoftwareSettings loaded_;
    QTabWidget* PageControl1;
    QComboBox* cbUserType;
    QLineEdit* edtName;
    QSpinBox* spinMale;
    QSpinBox* spinFemale;
    QCheckBox* chkAutoSave;
    QCheckBox* chkZwLock;
    QCheckBox* chkBackup;
    QSpinBox* spinDays;
    QSpinBox* spinKeep;
    QLineEdit* edtFolder;
    QList<QLineEdit*> edtTypes;
    QList<QLineEdit*> edtReserved;
    QLineEdit* edtRemark;
    QListWidget* lstCategories;
    QLineEdit* edtCategory;
    QCheckBox* chkAllowEdit;
    QTableWidget* gridZj;
    QTableWidget* gridXl;
    QTableWidget* gridXz;
    QListWidget* lstParams;
    QPlainTextEdit* memoParams;
    QList<QStringList> params_;
    int shownParams_ = -1;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};
