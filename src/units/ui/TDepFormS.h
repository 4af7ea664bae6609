#pragma once

#include <QDialog>

class QPushButton;
class TDataM;
class UnitEditor;

// "单位信息设置": the single-unit dialog, for a new unit below a chosen parent (add mode) or for
// one existing unit (edit mode), on the pages of UnitEditor. "确 定" saves and closes with OK
// only when the save is done; a refusal is shown and the dialog stays open. Closing otherwise
// abandons a creation with its pending quota rows.
class TDepFormS final : public QDialog {
    Q_OBJECT

  public:
    explicit TDepFormS(TDataM& dm, QWidget* parent = nullptr);

    // Add mode: a new real unit below `parentId` (0: top level).
    void startAdding(int parentId);
    // Edit mode: loads unit `id`; false when it cannot be read.
    bool startEditing(int id);

    bool isAdding() const;
    // The unit saved by the last successful "确 定" (the new unit's ID after an add), else 0.
    int savedUnitId() const { return savedId_; }
    // The parent chosen for the unit (0: top level).
    int parentId() const;

    void done(int result) override;

  private:
    void btnOKClick();

    UnitEditor* editor_;
    int savedId_ = 0;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};
