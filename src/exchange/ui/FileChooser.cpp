#include "exchange/ui/FileChooser.h"

#include <QFileDialog>

namespace exchange {

FileChooser openFileDialog() {
    return [](QWidget* parent, const QString& caption, const QString& proposal,
              const QString& filter) {
        return QFileDialog::getOpenFileName(parent, caption, proposal, filter);
    };
}

FileChooser saveFileDialog() {
    return [](QWidget* parent, const QString& caption, const QString& proposal,
              const QString& filter) {
        return QFileDialog::getSaveFileName(parent, caption, proposal, filter);
    };
}

}  // namespace exchange
