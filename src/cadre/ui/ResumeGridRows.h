#pragma once

#include "cadre/Resume.h"

class QTableWidget;

// A resume shown as a grid of its rows: the columns "开始时间", "结束时间" and "内容".
enum ResumeGridColumn { ResumeStart, ResumeEnd, ResumeContent, ResumeColumnCount };

// The rows the grid shows; an empty cell is an empty text.
cadre::ResumeTable readResumeGrid(const QTableWidget& grid);

// Shows `rows` in the grid; row `currentRow`, when there is one, becomes current in the column
// that was current.
void fillResumeGrid(QTableWidget& grid, const cadre::ResumeTable& rows, int currentRow);
