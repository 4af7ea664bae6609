#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace exchange {

// Asks for a file name: (parent, caption, proposed path, filter) → the chosen path, or "" when
// the user cancels. The windows use the desktop's dialogs; tests hand in their own answers.
using FileChooser =
    std::function<QString(QWidget*, const QString&, const QString&, const QString&)>;

// The desktop's open and save dialogs.
FileChooser openFileDialog();
FileChooser saveFileDialog();

}  // namespace exchange
