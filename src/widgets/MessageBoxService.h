#pragma once

#include "app/MessageService.h"

class QWidget;

namespace widgets {

// Message boxes for the running program: information icon for "提示", error icon for "错误",
// OK/Cancel for confirmations, each modal over the active window. A text of more lines than
// a message box should hold (a long list of names, say) is shown in a window of bounded size
// instead: its first line above a scrollable list of the others.
class MessageBoxService final : public app::MessageService {
  public:
    void information(const QString& text, const QString& title) override;
    void error(const QString& text, const QString& title) override;
    bool confirm(const QString& text, const QString& title) override;

    // Texts of more lines than this go into the scrollable list.
    static constexpr int kMaxBoxLines = 20;
};

}  // namespace widgets
