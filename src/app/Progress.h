#pragma once

#include <QString>

namespace app {

// The wait window's interface: one text line and a progress bar, shown while a long operation
// runs on the user-interface thread.
class Progress {
  public:
    virtual ~Progress() = default;
    // Shows the window with `text`; `maximum` > 0 shows a bar from 0 to `maximum`.
    virtual void start(const QString& text, int maximum) = 0;
    virtual void setText(const QString& text) = 0;
    virtual void step() = 0;
    virtual void finish() = 0;
};

// The installed progress display; without one, progress goes nowhere.
Progress& progress();
Progress* setProgress(Progress* display);

// Shows the wait window for the lifetime of the scope: the one way long operations report.
class ProgressScope {
  public:
    explicit ProgressScope(const QString& text, int maximum = 0) {
        progress().start(text, maximum);
    }
    ~ProgressScope() { progress().finish(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

    void setText(const QString& text) { progress().setText(text); }
    void step() { progress().step(); }
};

}  // namespace app
