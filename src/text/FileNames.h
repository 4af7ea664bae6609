#pragma once

#include <QSet>
#include <QString>

namespace text {

// The file name a document about `name` is saved under: the name with the characters that a
// file name cannot hold (/ \ : * ? " < > | and control characters) replaced by "_", blanks at its
// ends dropped; "未命名" when nothing is left.
QString documentFileName(const QString& name, const QString& suffix);

// The paths of the files that one batch writes into one folder. A name the batch has used before
// gets "(2)", "(3)" ... before its suffix, so that no file of the batch replaces another, such as
// the forms of two cadres of the same name. Names are compared without regard to case, as Windows
// compares them.
class BatchFileNames {
  public:
    explicit BatchFileNames(QString folder);

    // The path for the next file about `name`.
    QString claim(const QString& name, const QString& suffix);

  private:
    QString folder_;
    QSet<QString> used_;
};

}  // namespace text
