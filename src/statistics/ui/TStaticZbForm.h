#pragma once

#include <QDialog>
#include <QList>

#include "statistics/CountSettings.h"

class QComboBox;
class QLineEdit;

// "统计指标设置": the age bands ("年龄段设置"), the post levels ("职级设置") and the
// nationalities ("民族") of the count table, each list with the label of its rest. The boxes
// are named cbRelation1..7, edtAgeA1..7, edtAgeB1..7, cbLevel1..6 and cbNation1..6.
class TStaticZbForm final : public QDialog {
    Q_OBJECT

  public:
    // Shows `settings`; the level boxes offer `levels`.
    TStaticZbForm(const statistics::CountSettings& settings, const QStringList& levels,
                  QWidget* parent = nullptr);

    // The settings as entered (an age left empty is 0).
    statistics::CountSettings settings() const;

  private:
    QWidget* buildAgeTab(const statistics::CountSettings& settings);
    QWidget* buildListTab(const char* prefix, const QString& caption, const QStringList& values,
                          const QString& rest, const QStringList& offered,
                          QList<QComboBox*>* boxes);

    QList<QComboBox*> relations_;
    QList<QLineEdit*> firstAges_;
    QList<QLineEdit*> secondAges_;
    QList<QComboBox*> levels_;
    QList<QComboBox*> nations_;
};
