#pragma once

#include <functional>

class QMenu;
class QWidget;
class TDataM;

// Adds the approval form and the short profile of a cadre record to an output menu:
// "干部任免审批表" and "干部简要情况表" (print previews, from which they are printed or saved as
// PDF), and each with "(Word)" (TEMP/<xm>.docx from its template, opened). `cadreId` gives the
// cadre shown when the entry is chosen.
void addApprovalFormActions(QMenu* menu, TDataM& dm, std::function<int()> cadreId, QWidget* parent);
