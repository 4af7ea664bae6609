#pragma once

#include <QRectF>
#include <QString>
#include <vector>

#include "appointment/ApprovalForm.h"
#include "report/PageLayout.h"

// Where the approval-form editor places its boxes: each column of a plan line that the editor
// edits sits in the cell of the printed form (appointment/ApprovalForm.h) that shows it.
namespace appointment {

// One editing box: the form page (0 or 1), the line's column (lower case) and the rectangle in
// mm from the top left of the printed area, as approvalFormLayout() places the cell. A cell
// that prints two columns (education and degree) gives each half of its height.
struct FormBox {
    int page = 0;
    QString column;
    QRectF rect;
};

// Every box of the editor, page 1 then page 2; the photo's cell has the column "photo".
const std::vector<FormBox>& approvalFormBoxes();

// The form as printed without any line's values: its frames, labels and title (`settings`'s
// title, or the form's own) on both pages.
report::Layout blankApprovalForm(const ApprovalSettings& settings);

}  // namespace appointment
