#pragma once

#include "app/MessageService.h"

class QWidget;

namespace widgets {

// Message boxes for the running program: information icon for "提示", error icon for "错误",
// OK/Cancel for confirmations, each modal over the active window.
class MessageBoxService final : public app::MessageService {
  public:
    void information(const QString& text, const QString& title) override;
    void error(const QString& text, const QString& title) override;
    bool confirm(const QString& text, const QString& title) override;
};

}  // namespace widgets
