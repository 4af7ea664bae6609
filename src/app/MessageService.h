#pragma once

#include <QString>
#include <utility>

#include "db/Result.h"

namespace app {

// How operations speak to the user: information and errors, and OK/Cancel confirmations. The
// windows install a message-box implementation; tests install a recorder that answers.
class MessageService {
  public:
    virtual ~MessageService() = default;
    virtual void information(const QString& text, const QString& title) = 0;
    virtual void error(const QString& text, const QString& title) = 0;
    // True when the user chose OK.
    virtual bool confirm(const QString& text, const QString& title) = 0;
};

// The installed service; without one, texts go to the standard error stream and every
// confirmation is declined, so nothing irreversible happens unattended.
MessageService& messages();
// Installs `service` (not owned) and returns the one it replaces; nullptr restores the default.
MessageService* setMessageService(MessageService* service);

// Shorthands with the program's standard titles.
void showInformation(const QString& text);  // "提示"
void showError(const QString& text);        // "错误"
bool confirmAction(const QString& text);    // "提示", OK/Cancel
// Shows why an operation failed: a refused input as information, a database failure as an error.
void showFailure(const Failure& failure);

// The value of `result`; on a failure the failure is shown and an empty value given, for windows
// that fill a list or a box and go on without it.
template <typename T>
T valueOrShown(Result<T> result) {
    if (!result) {
        showFailure(result.failure());
        return T{};
    }
    return std::move(result).value();
}

}  // namespace app
