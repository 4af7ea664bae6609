#pragma once

#include <QString>
#include <QStringList>
#include <deque>

#include "app/MessageService.h"

// Stands in for the message boxes while it lives: records every text shown and answers
// confirmations from a queue (declining when the queue is empty).
class RecordingMessageService final : public app::MessageService {
  public:
    struct Shown {
        enum class Kind { Information, Error, Confirmation } kind;
        QString title;
        QString text;
    };

    RecordingMessageService();
    ~RecordingMessageService() override;

    void information(const QString& text, const QString& title) override;
    void error(const QString& text, const QString& title) override;
    bool confirm(const QString& text, const QString& title) override;

    void answerNext(bool ok) { answers_.push_back(ok); }
    const std::vector<Shown>& shown() const { return shown_; }
    QStringList texts() const;
    void clear() { shown_.clear(); }

  private:
    std::vector<Shown> shown_;
    std::deque<bool> answers_;
    app::MessageService* previous_;
};
