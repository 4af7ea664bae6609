#pragma once

#include <QDialog>

#include "training/TrainingClasses.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TDataM;

// The class dialog "培训班设置": name, dates (yyyy-mm-dd) with the day count derived from them,
// body, form, category, level, content and field trips. "确 定" stores the class through
// training::saveClass; a refused class keeps the dialog open and writes nothing. "培训设置"
// opens the look-up tables (TPxSetForm) and refills the pick lists from them.
class TPxForm final : public QDialog {
    Q_OBJECT

  public:
    // Edits `existing`, or a new class when it is null.
    TPxForm(TDataM& dm, const training::TrainingClass* existing, QWidget* parent = nullptr);

    // Shows the class without "确 定".
    void setReadOnly(bool readOnly);
    // The stored class's id after "确 定".
    int classId() const { return class_.id; }

  private:
    void openSettings();
    void save();

    TDataM& dm_;
    training::TrainingClass class_;
    QLineEdit* edtName;
    QLineEdit* edtStart;
    QLineEdit* edtEnd;
    QLineEdit* edtDays;
    QComboBox* cbBody;
    QComboBox* cbForm;
    QComboBox* cbCategory;
    QButtonGroup* rgLevel;
    QPlainTextEdit* memContent;
    QPlainTextEdit* memTrips;
    QPushButton* btnOk = nullptr;
};
