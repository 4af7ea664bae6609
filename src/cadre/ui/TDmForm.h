#pragma once

#include <QDialog>
#include <QString>

class QTreeWidget;

namespace db {
class Database;
}

// The code picker: the codes of one set of tb_DMJ as a tree (cadre::codeTree). Clicking a code
// chooses its text; a double-click chooses it and closes the picker.
class TDmForm final : public QDialog {
    Q_OBJECT

  public:
    // `condition` narrows the set (a program constant such as cadre::kRewardReasonCondition).
    // A set that cannot be read shows the database's error and an empty tree.
    TDmForm(db::Database& db, const QString& codeSet, const QString& condition,
            QWidget* parent = nullptr);

    // The text of the code chosen last; empty when none was.
    QString chosenText() const { return chosen_; }
    QTreeWidget* tree() const { return tvCodes; }

  Q_SIGNALS:
    void codeChosen(const QString& text);

  private:
    QTreeWidget* tvCodes;
    QString chosen_;
};
