#pragma once

#include <QDialog>
#include <QList>

#include "cadre/PostBatch.h"

class QAction;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class TDataM;

// "按职务类别批量设置职务": sets the holders of one post category (职务类别) of a unit at once. A
// category chosen fills the post name and quota from the unit's quota row and lists the
// category's current holders; cadres are added from the unit's members or from all cadres, each
// row with its post name and appointment month; "确定" writes them all (cadre::applyCategory).
// "删除" takes a holder out of the category at once, "免除职务" removes the holder's posts of the
// category through the removal dialog.
class TPlzwSetForm final : public QDialog {
    Q_OBJECT

  public:
    TPlzwSetForm(TDataM& dm, int unitId, QWidget* parent = nullptr);

    // Whether anything was written while the dialog was open.
    bool changed() const { return changed_; }

    // Texts of the dialog's own refusals.
    static const QString kSelectRow;
    static const QString kNoCategoryPost;
    static QString takeOutQuestion(const QString& name);

  private:
    void chooseCategory();
    void addFromUnit();
    void addFromAll();
    void addRows(const QList<cadre::CategoryRow>& cadres);
    void appendRow(const cadre::CategoryRow& row, const QString& storedPost);
    void takeOut();
    void removePosts();
    void save();
    QList<cadre::CategoryRow> rows() const;

    TDataM& dm_;
    int unitId_;
    bool changed_ = false;
    QLineEdit* edtUnit;
    QComboBox* cbCategory;
    QComboBox* cbPost;
    QSpinBox* spnQuota;
    QTableWidget* gridCadres;
    QPushButton* btnAdd;
    QAction* actFromUnit;
    QAction* actFromAll;
    QPushButton* btnDelete;
    QPushButton* btnRemove;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};
