#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

// Acts on the next modal dialog of type Dialog once its event loop runs (exec() blocks the
// test), and stops looking when it goes out of scope.
template <class Dialog>
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(Dialog*)> answer) : answer_(std::move(answer)) {
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            timer_.stop();
            seen_ = true;
            answer_(dialog);
        });
        timer_.start(5);
    }
    bool seen() const { return seen_; }

private:
    std::function<void(Dialog*)> answer_;
    QTimer timer_;
    bool seen_ = false;
};
