#pragma once

#include <QDialog>

// "简历对比": two resumes side by side, the one stored in the record and the one read from an
// approval form, to be compared before the stored one is replaced.
class TJlForm final : public QDialog {
    Q_OBJECT

  public:
    TJlForm(const QString& stored, const QString& fromForm, QWidget* parent = nullptr);
};
