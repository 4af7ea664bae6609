#pragma once

#include <QDialog>

#include "documents/Templates.h"

class QButtonGroup;
class QLineEdit;
class TDataM;

// The dialogs that load a template file: "模板名称：" (edtName), the file box (edtFile,
// read-only, "<请点击选择模板文件>"; a click or "..." (btnBrowse) opens a file dialog), the
// record type (a radio button per type: rbSingle, rbText, rbList), a note, and "确定" (btnOk) /
// "取消" (btnCancel). "确定" loads the file (documents::loadTemplate) behind the wait window;
// a refusal or failure is shown and the dialog stays open.
class TAddTemplateForm : public QDialog {
    Q_OBJECT

  public:
    // The id of the template loaded by "确定".
    int loadedId() const { return loadedId_; }

  protected:
    struct Kind {
        const char* objectName;
        const char* caption;
        int type;
    };
    TAddTemplateForm(TDataM& dm, documents::TemplateFormat format, const QString& title,
                     const QString& fileCaption, const QString& filter,
                     std::initializer_list<Kind> kinds, const QString& note,
                     const QString& waitText, QWidget* parent);

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void browse();
    void load();

    TDataM& dm_;
    documents::TemplateFormat format_;
    QString filter_;
    QString waitText_;
    QLineEdit* edtName;
    QLineEdit* edtFile;
    QButtonGroup* kinds_;
    int loadedId_ = 0;
};

// "Excel模版设置": 单人 (default) or 列表型（每行一人）.
class TAddModelForm final : public TAddTemplateForm {
    Q_OBJECT
  public:
    explicit TAddModelForm(TDataM& dm, QWidget* parent = nullptr);
};

// "Word模板设置": 单人表格型 (default), 单人文本型 or 列表型.
class TAddWordModelForm final : public TAddTemplateForm {
    Q_OBJECT
  public:
    explicit TAddWordModelForm(TDataM& dm, QWidget* parent = nullptr);
};

// "PPT模板设置": 单人 (default) or 列表型.
class TAddPptModelForm final : public TAddTemplateForm {
    Q_OBJECT
  public:
    explicit TAddPptModelForm(TDataM& dm, QWidget* parent = nullptr);
};
