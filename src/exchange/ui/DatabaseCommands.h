#pragma once

#include <QObject>

#include "exchange/ui/FileChooser.h"

class QWidget;
class TDataM;

// The commands of the menu "系统" that work on the database as a whole: "数据库备份",
// "数据库恢复", "整理数据库空间", "从单机版数据库恢复" and "备份为单机版数据库", and "掌上电脑同步"
// of the menu "工具". Each asks for its right first; after a restore or a compaction the program is
// to start again.
class DatabaseCommands final : public QObject {
    Q_OBJECT

  public:
    // `window` (the main window) parents the dialogs.
    DatabaseCommands(TDataM& dm, QWidget* window);

    // The file dialogs; by default the desktop's (the transfer windows get the same ones).
    void setOpenFileChooser(exchange::FileChooser chooser) { chooseOpen_ = std::move(chooser); }
    void setSaveFileChooser(exchange::FileChooser chooser) { chooseSave_ = std::move(chooser); }

    void backup();
    void restore();
    void compact();
    void restoreFromSingleFile();
    // "导入Access数据库": the working database replaced by an Access database of the
    // program's earlier era.
    void importAccessDatabase();
    void exportToSingleFile();
    void exportToHandheld();
    // "重新初始化": the working database deleted, after a kept copy, through "初始化确认".
    void reinitialise();

  Q_SIGNALS:
    // The working database was replaced or rewritten: the program is to end and start again.
    void restartRequested();

  private:
    TDataM& dm_;
    QWidget* window_;
    exchange::FileChooser chooseOpen_;
    exchange::FileChooser chooseSave_;
};
