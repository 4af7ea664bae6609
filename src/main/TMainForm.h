#pragma once

#include <QMainWindow>

#include "app/LoginSession.h"

class QLabel;
class TDataM;

// The program's main window.
class TMainForm final : public QMainWindow {
    Q_OBJECT

  public:
    explicit TMainForm(QWidget* parent = nullptr);

    // The logged-in user, shown in the status bar.
    void setSession(const LoginSession& session);
    void setDataModule(TDataM* dm) { dm_ = dm; }

  Q_SIGNALS:
    // The program is to end and start again (after the database settings changed).
    void restartRequested();

  private:
    void openDatabaseSettings();

    TDataM* dm_ = nullptr;
    QLabel* userLabel_;
};
