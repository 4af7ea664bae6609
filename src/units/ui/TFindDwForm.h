#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class TDataM;
class UnitTreeWidget;

// "查找" over the unit tree: looks for the next unit below (or above) the selected node whose
// name or short name contains the typed text, or whose pinyin initials do when the text is
// Latin letters only, and makes it the tree's current node. When none matches the selection
// stays.
//
// The box is shown non-modal (a tool window beside the main window): the tree stays visible and
// usable, so the user can press the search buttons again and again, or pick another node to
// search from, without closing the box.
class TFindDwForm final : public QDialog {
    Q_OBJECT

  public:
    TFindDwForm(TDataM& dm, UnitTreeWidget& tree, QWidget* parent = nullptr);

    // Searches from the node after (down) or before (up) the tree's current node; true when a
    // match was found and selected.
    bool searchDown();
    bool searchUp();

  private:
    bool search(bool down);

    TDataM& dm_;
    UnitTreeWidget& tree_;
    QLabel* Label1;
    QLineEdit* cxTextEdit1;
    QPushButton* cxButton1;
    QPushButton* cxButton2;
};
