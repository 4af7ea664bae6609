#pragma once

#include <QDialog>
#include <QList>
#include <functional>

#include "documents/Templates.h"

class QTableWidget;
class TDataM;

// The template manager "可加载模版管理": every stored template with "模板名", "文件格式" and
// "记录类型" (gridTemplates), and "添加" (btnAdd, a menu of "Excel模板" actAddExcel, "Word模板"
// actAddWord, "PPT模板" actAddPpt), "删除" (btnDelete, asks "确认删除模版 <name>?"), "另存为"
// (btnSaveAs: the stored file to a file chosen in a save dialog) and "关闭" (btnClose). Adding and
// deleting need the rosters' right "MCW".
class TModelForm final : public QDialog {
    Q_OBJECT

  public:
    explicit TModelForm(TDataM& dm, QWidget* parent = nullptr);

    // Asks for the file to save a template as (`suggested` is its name); "" when cancelled. By
    // default the desktop's save dialog.
    using SavePathChooser = std::function<QString(QWidget* parent, const QString& suggested)>;
    void setSavePathChooser(SavePathChooser chooser) { chooseSavePath_ = std::move(chooser); }

    // The templates listed, in list order.
    const QList<documents::TemplateEntry>& templates() const { return templates_; }

    void reload();
    void addTemplate(documents::TemplateFormat format);
    void deleteTemplate();
    void saveTemplateAs();

  private:
    const documents::TemplateEntry* selected() const;

    TDataM& dm_;
    QTableWidget* grid_;
    QList<documents::TemplateEntry> templates_;
    SavePathChooser chooseSavePath_;
};
