#pragma once

#include <QMap>
#include <QPlainTextEdit>
#include <QStringList>
#include <QVariant>
#include <QWidget>
#include <functional>
#include <vector>

class CheckComboBox;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace cadre {
struct PickLists;
}

// The record fields of the cadre editor on its pages "基本信息" and "扩展信息": each control is
// bound to a column of tb_cadre, so that the editor fills them from a row and reads them back
// as column values. Month and date boxes hand over the text typed (month boxes take only the
// entry pattern); the save reads it and derives the dates.
class CadreFieldPages final : public QObject {
    Q_OBJECT

  public:
    CadreFieldPages(const cadre::PickLists& lists, QObject* parent = nullptr);

    QWidget* basicPage() const { return basic_; }
    QWidget* extendedPage() const { return extended_; }

    // Shows the values of a row (missing columns show empty).
    void load(const QMap<QString, QVariant>& row);
    // Shows the values of the columns in `row` only, leaving the other controls as they are.
    void update(const QMap<QString, QVariant>& row);
    // The columns as the controls hold them.
    QMap<QString, QVariant> values() const;

    void setEditable(bool on);
    // The caption of "备  注：" (configurable).
    void setRemarkCaption(const QString& caption);
    // Adds a place typed for the first time to the pickers' lists.
    void offerPlaces(const QString& nativePlace, const QString& birthPlace);

    QLineEdit* nameEdit() const { return edtXm; }
    // The notes of the assessments and rewards pages (khNote, jcNote).
    QWidget* assessmentNote() const { return memKhNote; }
    QWidget* rewardNote() const { return memJcNote; }
    QCheckBox* lockBox() const { return chkZwLock; }
    // Every control that takes input, for the editor's keyboard rules.
    QList<QWidget*> inputs() const;
    // Whether `w` is a multi-line box, where Enter starts a new line.
    bool isMemo(const QWidget* w) const;

  Q_SIGNALS:
    void edited();
    // The link "档案目录" of the page "扩展信息" was clicked.
    void catalogueRequested();

  private:
    struct Binding {
        QString column;
        std::function<QVariant()> read;
        std::function<void(const QVariant&)> write;
    };
    QLineEdit* line(const char* column, const char* name);
    // A line taking a month text of the entry pattern.
    QLineEdit* monthLine(const char* column, const char* name);
    QComboBox* combo(const char* column, const char* name, const QStringList& items, bool editable);
    QPlainTextEdit* memo(const char* column, const char* name);
    QSpinBox* spin(const char* column, const char* name);
    QLineEdit* dateBox(const char* column, const char* name, const QString& format);
    void showAge();
    void rankLeft();

    QWidget* basic_;
    QWidget* extended_;
    std::vector<Binding> bindings_;
    QList<QWidget*> inputs_;
    QList<QPlainTextEdit*> memos_;
    QStringList ranks_;
    QLineEdit* edtXm = nullptr;
    QLineEdit* edtCsny = nullptr;
    QLabel* lblAge = nullptr;
    QComboBox* cbZwjb = nullptr;
    QString zwjb2_;
    CheckComboBox* cbCtype = nullptr;
    QComboBox* cbJgsheng = nullptr;
    QComboBox* cbCssheng = nullptr;
    QCheckBox* chkZwLock = nullptr;
    QLabel* lblOther = nullptr;
    QPlainTextEdit* memKhNote = nullptr;
    QPlainTextEdit* memJcNote = nullptr;
    bool editable_ = false;
};
