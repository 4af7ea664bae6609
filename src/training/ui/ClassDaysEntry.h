#pragma once

class QLineEdit;

// Once both day boxes hold a day, `days` shows the days from `start` to `end` inclusive; an end
// before the start is refused with its message and the focus goes back to `end`.
void showClassDays(QLineEdit* start, QLineEdit* end, QLineEdit* days);
