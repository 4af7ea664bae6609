#pragma once

#include <functional>

class QMenu;
class QWidget;
class TDataM;

// Adds the approval form of a cadre record to an output menu: "干部任免审批表" (the print
// preview, from which it is printed or saved as PDF) and "干部任免审批表(Word)" (TEMP/<xm>.docx,
// opened). `cadreId` gives the cadre shown when the entry is chosen.
void addApprovalFormActions(QMenu* menu, TDataM& dm, std::function<int()> cadreId, QWidget* parent);
