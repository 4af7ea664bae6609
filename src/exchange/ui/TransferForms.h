#pragma once

#include <QDialog>

#include "exchange/ui/FileChooser.h"

class QLineEdit;
class QPushButton;
class TDataM;

// The two windows of the whole-data transfer: the user names the single-machine file and
// starts the copy; a refusal or failure is shown and the window stays open, a finished copy
// closes it with "OK".
class TransferFormBase : public QDialog {
    Q_OBJECT

  public:
    void setFileChooser(exchange::FileChooser chooser) { chooseFile_ = std::move(chooser); }
    QString filePath() const;

  protected:
    TransferFormBase(TDataM& dm, QWidget* parent, const QString& caption);
    // Lays out the window: the lines above the file box, the file box and the buttons.
    void build(const QStringList& lines, const QString& fileLabel);
    virtual void run() = 0;

    TDataM& dm_;
    exchange::FileChooser chooseFile_;

  private:
    void browse();

    QLineEdit* edtPath;
    QPushButton* btnBrowse;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};

// "从单机版中恢复": replaces the working data by those of a single-machine file.
class TAccessToSQLForm final : public TransferFormBase {
    Q_OBJECT

  public:
    explicit TAccessToSQLForm(TDataM& dm, QWidget* parent = nullptr);

  private:
    void run() override;
};

// "导出至单机版": writes the working data into a new single-machine file.
class TSQLToAccessForm final : public TransferFormBase {
    Q_OBJECT

  public:
    explicit TSQLToAccessForm(TDataM& dm, QWidget* parent = nullptr);

  private:
    void run() override;
};
