#include "documents/ui/TAddModelForms.h"

#include <QButtonGroup>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "app/Progress.h"
#include "widgets/DialogParts.h"

TAddTemplateForm::TAddTemplateForm(TDataM& dm, documents::TemplateFormat format,
                                   const QString& title, const QString& fileCaption,
                                   const QString& filter, std::initializer_list<Kind> kinds,
                                   const QString& note, const QString& waitText, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      format_(format),
      filter_(filter),
      waitText_(waitText),
      edtName(new QLineEdit(this)),
      edtFile(new QLineEdit(this)),
      kinds_(new QButtonGroup(this)) {
    setWindowTitle(title);
    edtName->setObjectName(QStringLiteral("edtName"));
    edtFile->setObjectName(QStringLiteral("edtFile"));
    edtFile->setReadOnly(true);
    edtFile->setPlaceholderText(QStringLiteral("<请点击选择模板文件>"));
    edtFile->installEventFilter(this);
    QPushButton* browseButton = widgets::namedButton("btnBrowse", QStringLiteral("..."));
    connect(browseButton, &QPushButton::clicked, this, &TAddTemplateForm::browse);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(edtFile, 1);
    fileRow->addWidget(browseButton);

    auto* kindRow = new QVBoxLayout;
    for (const Kind& kind : kinds) {
        auto* button = new QRadioButton(QString::fromUtf8(kind.caption), this);
        button->setObjectName(QString::fromLatin1(kind.objectName));
        kinds_->addButton(button, kind.type);
        kindRow->addWidget(button);
    }
    kinds_->buttons().front()->setChecked(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("模板名称："), edtName);
    form->addRow(fileCaption, fileRow);
    form->addRow(QStringLiteral("模板类型："), kindRow);
    auto* noteLabel = new QLabel(note, this);
    noteLabel->setWordWrap(true);
    QPushButton* ok = widgets::namedButton("btnOk", QStringLiteral("确定"));
    QPushButton* cancel = widgets::namedButton("btnCancel", QStringLiteral("取消"));
    connect(ok, &QPushButton::clicked, this, &TAddTemplateForm::load);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(noteLabel);
    layout->addLayout(widgets::rightAlignedRow({ok, cancel}));
}

bool TAddTemplateForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edtFile && event->type() == QEvent::MouseButtonRelease) {
        browse();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TAddTemplateForm::browse() {
    const QString chosen = QFileDialog::getOpenFileName(this, windowTitle(), QString(), filter_);
    if (!chosen.isEmpty()) {
        edtFile->setText(chosen);
    }
}

void TAddTemplateForm::load() {
    QDir().mkpath(dm_.AppDir + QStringLiteral("TEMP"));
    const Result<int> loaded = [this] {
        const app::ProgressScope wait(waitText_);
        return documents::loadTemplate(dm_.db(), format_, edtName->text(), kinds_->checkedId(),
                                       edtFile->text(), dm_.AppDir + QStringLiteral("TEMP"));
    }();
    if (!loaded) {
        app::showFailure(loaded.failure());
        return;
    }
    loadedId_ = *loaded;
    accept();
}

TAddModelForm::TAddModelForm(TDataM& dm, QWidget* parent)
    : TAddTemplateForm(dm, documents::TemplateFormat::Excel, QStringLiteral("Excel模版设置"),
                       QStringLiteral("Excel模版文件："),
                       QStringLiteral("Excel文件 (*.xlsx *.xls)"),
                       {{"rbSingle", "单人", documents::kSinglePerson},
                        {"rbList", "列表型（每行一人）", documents::kListType}},
                       QStringLiteral("Excel模板可以用于输出和导入干部信息。"),
                       documents::kLoadingExcel, parent) {
    setObjectName(QStringLiteral("AddModelForm"));
}

TAddWordModelForm::TAddWordModelForm(TDataM& dm, QWidget* parent)
    : TAddTemplateForm(dm, documents::TemplateFormat::Word, QStringLiteral("Word模板设置"),
                       QStringLiteral("模版文件："),
                       QStringLiteral("Word 2007文件 (*.docx);;Word文件 (*.doc)"),
                       {{"rbSingle", "单人表格型（如任免表等表格形式，支持导入和导出）",
                         documents::kSinglePerson},
                        {"rbText", "单人文本型（如文本型的干部简介等，仅支持导出）",
                         documents::kSinglePersonText},
                        {"rbList", "列表型（每行一人，仅支持导出）", documents::kListType}},
                       QStringLiteral("只有单人表格型的Word模板才能用于导入干部信息。"),
                       documents::kAnalysingWord, parent) {
    setObjectName(QStringLiteral("AddWordModelForm"));
}

TAddPptModelForm::TAddPptModelForm(TDataM& dm, QWidget* parent)
    : TAddTemplateForm(dm, documents::TemplateFormat::PowerPoint, QStringLiteral("PPT模板设置"),
                       QStringLiteral("模版文件："),
                       QStringLiteral("PowerPoint文件 (*.pptx *.ppt)"),
                       {{"rbSingle", "单人", documents::kSinglePerson},
                        {"rbList", "列表型（每行一人）", documents::kListType}},
                       QStringLiteral("PPT模板只能用于输出干部信息。"),
                       documents::kAnalysingPowerPoint, parent) {
    setObjectName(QStringLiteral("AddPptModelForm"));
}
