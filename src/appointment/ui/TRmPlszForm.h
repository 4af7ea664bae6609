#pragma once

#include <QDialog>

#include "appointment/ApprovalForm.h"

class QLineEdit;

// The batch entry dialog "批量设置": texts that the approval forms of every line of a plan share.
class TRmPlszForm final : public QDialog {
    Q_OBJECT

  public:
    explicit TRmPlszForm(QWidget* parent = nullptr);

    appointment::CommonOpinions opinions() const;

  private:
    QLineEdit* edCbdw_;
    QLineEdit* edCbyj_;
    QLineEdit* edSpyj_;
    QLineEdit* edRmyj_;
};
