#pragma once

#include <QStackedWidget>

class QLabel;

// A page that an account may be refused to read: it shows its content, or in its place the
// refusal admin::kNoRight. The content stays a child, so it keeps its object name and state.
class GuardedPage final : public QStackedWidget {
    Q_OBJECT

  public:
    // Takes `content` as its page (reparented here).
    explicit GuardedPage(QWidget* content, QWidget* parent = nullptr);

    QWidget* content() const { return content_; }
    void setReadable(bool on);
    bool isReadable() const { return currentWidget() == content_; }

  private:
    QWidget* content_;
    QLabel* refusal_;
};
