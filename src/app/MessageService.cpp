#include "app/MessageService.h"

#include <QTextStream>

#include "db/Result.h"

namespace app {

namespace {

class ConsoleMessageService final : public MessageService {
  public:
    void information(const QString& text, const QString& title) override { print(title, text); }
    void error(const QString& text, const QString& title) override { print(title, text); }
    bool confirm(const QString& text, const QString& title) override {
        print(title, text);
        return false;
    }

  private:
    static void print(const QString& title, const QString& text) {
        QTextStream(stderr) << title << QStringLiteral("：") << text << Qt::endl;
    }
};

ConsoleMessageService& consoleService() {
    static ConsoleMessageService service;
    return service;
}

MessageService* current = nullptr;

}  // namespace

MessageService& messages() {
    return current != nullptr ? *current : consoleService();
}

MessageService* setMessageService(MessageService* service) {
    MessageService* previous = current;
    current = service;
    return previous;
}

void showInformation(const QString& text) {
    messages().information(text, QStringLiteral("提示"));
}

void showError(const QString& text) {
    messages().error(text, QStringLiteral("错误"));
}

bool confirmAction(const QString& text) {
    return messages().confirm(text, QStringLiteral("提示"));
}

void showFailure(const Failure& failure) {
    if (failure.dbError.isEmpty()) {
        showInformation(failure.message);
    } else {
        showError(failure.text());
    }
}

}  // namespace app
