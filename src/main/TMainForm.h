#pragma once

#include <QMainWindow>

#include "app/LoginSession.h"

class QLabel;
class QToolBox;
class TDataM;
class UnitTreePanel;

// The program's main window.
class TMainForm final : public QMainWindow {
    Q_OBJECT

  public:
    explicit TMainForm(QWidget* parent = nullptr);

    // The logged-in user, shown in the status bar.
    void setSession(const LoginSession& session);
    // The data module (not owned); the unit tree is loaded from it at once.
    void setDataModule(TDataM* dm);

    // The unit whose cadres are listed: its ID (0 when none) and full name.
    int currentUnitId() const { return currentUnitId_; }
    const QString& currentUnitName() const { return currentUnitName_; }

  Q_SIGNALS:
    // The program is to end and start again (after the database settings changed).
    void restartRequested();

  private:
    void openDatabaseSettings();
    void unitSelected(int id, const QString& name);

    TDataM* dm_ = nullptr;
    QLabel* userLabel_;
    QToolBox* NavBar;
    UnitTreePanel* unitPanel_;
    QLabel* lblHeading;
    int currentUnitId_ = 0;
    QString currentUnitName_;
};
