#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTableWidget;
class TDataM;

// "单位性质及职务集设置": the name of a unit nature and its usual post set, chosen by checking
// posts in the list of all post titles (tb_zw). "确 定" writes the nature (new, or the one it
// was opened on) and closes with OK; a refusal is shown and the dialog stays open.
class TZwjForm final : public QDialog {
    Q_OBJECT

  public:
    explicit TZwjForm(TDataM& dm, QWidget* parent = nullptr);

    // A new nature: empty name, nothing checked.
    void startAdding();
    // The nature `name` with its posts checked.
    void startEditing(const QString& name);

  private:
    void btnOKClick();
    QStringList checkedPosts() const;

    TDataM& dm_;
    QString originalName_;
    QLineEdit* edtName;
    QTableWidget* gridPosts;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};
