#pragma once

#include <QDialog>
#include <QList>
#include <functional>
#include <optional>

#include "documents/Templates.h"

class QTableWidget;
class TDataM;

// "选择模版": the stored templates that fit a use, with "模板名", "文件格式" and "记录类型"
// (gridTemplates); "确 定" (btnOk) chooses the selected one, as does a double click.
class TSelModelForm final : public QDialog {
    Q_OBJECT

  public:
    using Filter = std::function<bool(const documents::TemplateEntry&)>;
    TSelModelForm(TDataM& dm, Filter filter, QWidget* parent = nullptr);

    // Lists the fitting templates and shows the dialog; nothing when the user cancels, when no
    // template fits (kNoFittingTemplate is shown) or the list cannot be read (the failure is).
    std::optional<documents::TemplateEntry> choose();

  private:
    TDataM& dm_;
    Filter filter_;
    QTableWidget* grid_;
    QList<documents::TemplateEntry> templates_;
};

inline const QString kNoFittingTemplate =
    QStringLiteral("没有可用的模版，请先在“模版管理”中添加模版。");
