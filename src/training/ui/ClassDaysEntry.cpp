#include "training/ui/ClassDaysEntry.h"

#include <QLineEdit>
#include <optional>

#include "app/MessageService.h"
#include "cadre/DayEntry.h"
#include "training/TrainingClasses.h"

void showClassDays(QLineEdit* start, QLineEdit* end, QLineEdit* days) {
    const std::optional<QDate> from = cadre::readDayEntry(start->text());
    const std::optional<QDate> to = cadre::readDayEntry(end->text());
    if (!from || !to || from->isNull() || to->isNull()) {
        return;
    }
    const Result<int> counted = training::classDays(*from, *to);
    if (!counted) {
        app::showInformation(counted.failure().message);
        end->setFocus();
        return;
    }
    days->setText(QString::number(*counted));
}
