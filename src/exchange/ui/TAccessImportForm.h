#pragma once

#include <QDialog>

#include "exchange/AccessReader.h"
#include "exchange/ui/FileChooser.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TDataM;

// "导入Access数据库": the user names an Access working database or backup of the program's
// earlier era; once confirmed, it takes the working database's place (after a kept copy) and
// the window lists per table what came across and what was left out. A refusal or failure is
// shown and the window stays open with the working database unchanged; after an import the
// window is closed with "关闭" (accepted) and the program is to start again.
class TAccessImportForm final : public QDialog {
    Q_OBJECT

  public:
    explicit TAccessImportForm(TDataM& dm, QWidget* parent = nullptr);

    void setFileChooser(exchange::FileChooser chooser) { chooseFile_ = std::move(chooser); }
    // How the named file is read; by default as an Access file.
    void setSourceOpener(exchange::SourceOpener opener) { openSource_ = std::move(opener); }
    QString filePath() const;

  private:
    void browse();
    void run();

    TDataM& dm_;
    exchange::FileChooser chooseFile_;
    exchange::SourceOpener openSource_;
    QLineEdit* edtPath;
    QPushButton* btnBrowse;
    QPlainTextEdit* memReport;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};
