#pragma once

#include <functional>

class QMenu;
class QWidget;
class TDataM;

// The menu "其他工具": its inert note, then one command per repair tool (cadre::repairTools).
// Each command asks for the right "TOOL", runs its tool and reports the number of rows changed or
// the failure; `repaired` is called after a tool changed something, so the caller can reload.
QMenu* buildRepairToolsMenu(TDataM& dm, QWidget* parent, std::function<void()> repaired);
