#include "RecordingMessageService.h"

RecordingMessageService::RecordingMessageService() : previous_(app::setMessageService(this)) {}

RecordingMessageService::~RecordingMessageService() {
    app::setMessageService(previous_);
}

void RecordingMessageService::information(const QString& text, const QString& title) {
    shown_.push_back({Shown::Kind::Information, title, text});
}

void RecordingMessageService::error(const QString& text, const QString& title) {
    shown_.push_back({Shown::Kind::Error, title, text});
}

bool RecordingMessageService::confirm(const QString& text, const QString& title) {
    shown_.push_back({Shown::Kind::Confirmation, title, text});
    if (answers_.empty()) {
        return false;
    }
    const bool answer = answers_.front();
    answers_.pop_front();
    return answer;
}

QStringList RecordingMessageService::texts() const {
    QStringList list;
    for (const Shown& s : shown_) {
        list << s.text;
    }
    return list;
}
