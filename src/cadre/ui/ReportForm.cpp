#include "cadre/ui/ReportForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "cadre/CodeSets.h"
#include "cadre/DayEntry.h"
#include "cadre/ui/TDmForm.h"
#include "widgets/DialogParts.h"

using cadre::FieldType;
using cadre::ReportField;

ReportForm::ReportForm(TDataM& dm, cadre::ReportKind kind, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      kind_(kind),
      lblTitle(new QLabel),
      btnOK(widgets::namedButton("btnOK", QStringLiteral("保 存"))),
      btnCancel(widgets::namedButton("btnCancel", QStringLiteral("取 消"))) {
    const cadre::ReportTable& table = cadre::reportTable(kind);
    setObjectName(table.objectName);
    setWindowTitle(table.title);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont heading = lblTitle->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.4);
    heading.setBold(true);
    lblTitle->setFont(heading);
    lblTitle->setAlignment(Qt::AlignCenter);
    auto* form = new QFormLayout;
    for (const ReportField& field : table.fields) {
        form->addRow(field.caption, fieldControl(field));
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle);
    layout->addLayout(form, 1);
    layout->addLayout(widgets::rightAlignedRow({btnOK, btnCancel}));
    resize(620, 560);
    connect(btnOK, &QPushButton::clicked, this, &ReportForm::saveClicked);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* ReportForm::fieldControl(const ReportField& field) {
    QWidget* control = nullptr;
    QWidget* shown = nullptr;
    switch (field.type) {
        case FieldType::Line:
        case FieldType::Date: {
            auto* line = new QLineEdit;
            if (field.type == FieldType::Date) {
                line->setPlaceholderText(QStringLiteral("yyyy-mm-dd"));
            }
            control = line;
            line->setObjectName(QStringLiteral("edt") + field.column);
            break;
        }
        case FieldType::Memo:
            control = new QPlainTextEdit;
            control->setObjectName(QStringLiteral("mem") + field.column);
            break;
        case FieldType::Flag:
            control = new QCheckBox;
            control->setObjectName(QStringLiteral("chk") + field.column);
            break;
        case FieldType::Pick: {
            auto* box = new QComboBox;
            box->setEditable(true);
            if (field.codeSet.isEmpty()) {
                box->addItems(cadre::majorEventCategories());
                connect(box, &QComboBox::activated, this, [this](int index) {
                    auto* content =
                        qobject_cast<QPlainTextEdit*>(controls_.value(QStringLiteral("A5407")));
                    content->setPlainText(cadre::majorEventForm(index));
                });
            } else if (const auto texts = cadre::codeTexts(dm_.db(), field.codeSet)) {
                box->addItems(*texts);
            }
            control = box;
            control->setObjectName(QStringLiteral("cb") + field.column);
            break;
        }
        case FieldType::CodePick: {
            auto* line = new QLineEdit;
            line->setObjectName(QStringLiteral("edt") + field.column);
            QPushButton* pick = widgets::namedButton(
                QByteArray("btn" + field.column.toLatin1()).constData(), QStringLiteral("..."));
            connect(pick, &QPushButton::clicked, this, [this, line, field] {
                TDmForm picker(dm_.db(), field.codeSet, QString(), this);
                picker.exec();
                if (!picker.chosenText().isEmpty()) {
                    line->setText(picker.chosenText());
                }
            });
            shown = new QWidget;
            auto* row = new QHBoxLayout(shown);
            row->setContentsMargins(0, 0, 0, 0);
            row->addWidget(line, 1);
            row->addWidget(pick);
            control = line;
            break;
        }
    }
    controls_.insert(field.column, control);
    return shown != nullptr ? shown : control;
}

void ReportForm::showReport(int cadreId, int id, const QVariantMap& values,
                            const QString& cadreName, bool readOnly) {
    cadreId_ = cadreId;
    id_ = id;
    lblTitle->setText(cadre::reportHeading(kind_, cadreName));
    for (const ReportField& field : cadre::reportTable(kind_).fields) {
        setValue(field, values.value(field.column));
    }
    btnOK->setEnabled(!readOnly);
}

void ReportForm::setValue(const ReportField& field, const QVariant& value) {
    QWidget* control = controls_.value(field.column);
    if (auto* line = qobject_cast<QLineEdit*>(control)) {
        line->setText(field.type == FieldType::Date ? cadre::dayText(value.toDate())
                                                    : value.toString());
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(control)) {
        memo->setPlainText(value.toString());
    } else if (auto* box = qobject_cast<QComboBox*>(control)) {
        box->setCurrentText(value.toString());
    } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
        check->setChecked(value.toBool());
    }
}

QVariant ReportForm::value(const ReportField& field) const {
    QWidget* control = controls_.value(field.column);
    if (auto* line = qobject_cast<QLineEdit*>(control)) {
        return line->text();
    }
    if (auto* memo = qobject_cast<QPlainTextEdit*>(control)) {
        return memo->toPlainText();
    }
    if (auto* box = qobject_cast<QComboBox*>(control)) {
        return box->currentText();
    }
    return qobject_cast<QCheckBox*>(control)->isChecked();
}

void ReportForm::saveClicked() {
    QVariantMap values;
    for (const ReportField& field : cadre::reportTable(kind_).fields) {
        QVariant entered = value(field);
        if (field.type == FieldType::Date) {
            const std::optional<QDate> date = cadre::readDayEntry(entered.toString());
            if (!date) {
                app::showInformation(cadre::kBadDayEntry);
                return;
            }
            entered = *date;
        }
        values.insert(field.column, entered);
    }
    const Result<int> saved = cadre::saveReport(dm_.db(), kind_, cadreId_, id_, values);
    if (!saved) {
        app::showFailure(saved.failure());
        return;
    }
    savedId_ = *saved;
    accept();
}
