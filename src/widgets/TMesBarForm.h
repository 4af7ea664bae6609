#pragma once

#include <QWidget>

#include "app/Progress.h"

class QLabel;
class QProgressBar;

// The shared wait window: a text line and a progress bar, kept on top while long operations run.
class TMesBarForm final : public QWidget, public app::Progress {
    Q_OBJECT

  public:
    explicit TMesBarForm(QWidget* parent = nullptr);

    void start(const QString& text, int maximum) override;
    void setText(const QString& text) override;
    void step() override;
    void finish() override;

    QString text() const;
    int position() const;
    int maximum() const;

  private:
    void repaintNow();

    QLabel* label_;
    QProgressBar* bar_;
    int depth_ = 0;
};
