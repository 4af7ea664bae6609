#pragma once

#include <QMainWindow>

class QLabel;

// The program's main window.
class TMainForm final : public QMainWindow {
    Q_OBJECT

  public:
    explicit TMainForm(QWidget* parent = nullptr);
};
