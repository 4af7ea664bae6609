#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class TDataM;
class UnitPickerEdit;

// "导入LRM文件": imports the approval-form files (".lrm", ".lrmx") of a folder ("批量导入") or
// one file ("单个文件导入") into cadre records, placing them in the unit chosen under
// "将导入对象加入到指定单位", replacing of an existing cadre of the same name the groups ticked
// under "姓名和出生年月重复时，覆盖以下信息：". "导入" imports, writes the log "Import.log"
// beside the files, shows it and "共导入<n>个干部资料。"; "退出" closes. Opened for a plan, the
// imported cadres also become lines of the plan, with the plan texts their files carry. When
// several cadres bear a file's name and its birth month does not tell them apart, the user
// chooses one ("选择干部") or none, and the file is then not imported.
class TLrmForm final : public QDialog {
    Q_OBJECT

  public:
    // `planId` 0: the import of the main menu.
    TLrmForm(TDataM& dm, int planId = 0, QWidget* parent = nullptr);

    // Whether an import wrote something, so that the caller reloads its lists.
    bool imported() const { return imported_; }

    void importFiles();

  private:
    void buildTargetArea();
    void buildSourceArea();
    void buildOverwriteArea();
    void browseFolder();
    void browseFile();
    int overwriteFlags() const;

    TDataM& dm_;
    int planId_;
    bool imported_ = false;
    UnitPickerEdit* unitBox_ = nullptr;
    QRadioButton* rbBatch = nullptr;
    QRadioButton* rbSingle = nullptr;
    QLineEdit* edtFolder = nullptr;
    QLineEdit* edtFile = nullptr;
    QCheckBox* chkBasic = nullptr;
    QCheckBox* chkResume = nullptr;
    QCheckBox* chkFamily = nullptr;
    QCheckBox* chkPhoto = nullptr;
    QCheckBox* chkRecords = nullptr;
    QPlainTextEdit* memLog = nullptr;
};
