#pragma once

#include <QDialog>
#include <QList>

#include "cadre/Assessments.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class TDataM;

// "年度考核": the annual appraisal of many cadres at once. "加入干部" picks cadres (TQueryForm1)
// and lists each with its rank as post and the grade stored for the year shown; the grades are
// set per row or for every row ("全部设为..."); "确 定" writes the graded rows
// (cadre::saveAppraisals: only annual appraisals are touched) and says "已设置完成！".
class TNdkhForm final : public QDialog {
    Q_OBJECT

  public:
    explicit TNdkhForm(TDataM& dm, QWidget* parent = nullptr);

    // Adds the rows of `cadreIds` (cadres already listed are skipped), as "加入干部" does with the
    // picked cadres.
    void addCadres(const QList<int>& cadreIds);
    QTableWidget* grid() const { return gridCadres; }

  private:
    void pickCadres();
    void removeCadre();
    void setAll(const QString& grade);
    void setGrade(int row, const QString& grade);
    QString grade(int row) const;
    void updateRatio();
    void confirmClicked();

    TDataM& dm_;
    QTableWidget* gridCadres;
    QSpinBox* seYear;
    QLineEdit* edtKcsj;
    QLineEdit* edtKczzmc;
    QLineEdit* edtKcr;
    QLabel* lblRatio;
    QPushButton* btnAddCadres;
    QPushButton* btnRemoveCadre;
    QPushButton* btnClear;
    QPushButton* btnSetAll;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};
