#include "main/ui/MainMenus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "main/ui/PageDw.h"

namespace {

// One entry of a menu: an object name and a caption; a null name is a separator, a name
// starting with "page:" is the cadre list's command of that name.
struct Entry {
    const char* name;
    const char* caption;
};

// One menu: its caption and its entries in order.
struct MenuEntries {
    const char* caption;
    std::initializer_list<Entry> entries;
};

const MenuEntries kMenus[] = {
    {"系统",
     {{"actDbSettings", "数据库服务器设置"},
      {"actReinitialise", "重新初始化"},
      {nullptr, nullptr},
      {"actExportFolders", "导出目录设置"},
      {"actParameters", "参数设置"},
      {nullptr, nullptr},
      {"actBackup", "数据库备份"},
      {"actRestore", "数据库恢复"},
      {"actCompact", "整理数据库空间"},
      {"actRestoreSingle", "从单机版数据库恢复"},
      {"actImportAccess", "导入Access数据库"},
      {"actBackupSingle", "备份为单机版数据库"},
      {nullptr, nullptr},
      {"actManagers", "管理员管理"},
      {nullptr, nullptr},
      {"actQuit", "退出"}}},
    {"干部",
     {{"actCadreLibrary", "干部信息库"},
      {"page:actNewCadre", nullptr},
      {"page:actCadreDetail", nullptr},
      {"page:actAddExisting", nullptr},
      {"page:actDeleteCadre", nullptr},
      {nullptr, nullptr},
      {"page:actMoveUp", nullptr},
      {"page:actMoveDown", nullptr},
      {"page:actMoveTo", nullptr},
      {"page:actShowSubordinates", nullptr},
      {nullptr, nullptr},
      {"actAddPost", "添加新职务"},
      {"actRemovePost", "免除职务"},
      {"actDeletePost", "删除职务"},
      {"actJoinWithPosts", "加入干部并批量设置职务"},
      {nullptr, nullptr},
      {"actBatchEdit", "批量修改"},
      {"actMoveLibrary", "人员调动/离退"},
      {"actSortCombined", "按职级、年龄、学历、姓氏笔画等组合排序"},
      {"actSortByUnit", "按所在单位排序"},
      {nullptr, nullptr},
      {"actDuplicateNames", "干部重名检查"},
      {"actEntryStatistics", "录入数据统计信息"},
      {"actOtherTools", "其他工具"}}},
    {"单位", {{"actUnitLibrary", "单位信息库"}, {"actRebuildIndex", "重建单位索引"}}},
    {"任免",
     {{"actLrmImport", "中组部任免表格式批量导入"},
      {"actWordImport", "Word文件导入"},
      {nullptr, nullptr},
      {"actPrintSetup", "打印设置"},
      {"actBatchOutput", "批量输出Word/Excel"},
      {"actCustomOutput", "按自定义模板批量输出"},
      {"actSystemPrint", "系统自带格式批量打印"}}},
    {"名册",
     {{"actNewRoster", "新建名册"},
      {"actEditRoster", "修改名册"},
      {"actDeleteRoster", "删除名册"},
      {"actRosterAdd", "加入干部"},
      {"actRosterRemove", "去除干部"},
      {nullptr, nullptr},
      {"actTemplates", "模版管理"},
      {"actViewTemplate", "查看模版"},
      {nullptr, nullptr},
      {"actExcelImport", "Excel名册批量导入"},
      {"actCustomExcelImport", "按自定义Excel模版批量导入"}}},
    {"工具",
     {{"actReminders", "事务提醒"},
      {"actStandardCheck", "标准化检查"},
      {nullptr, nullptr},
      {"actSend", "数据报送"},
      {"actReceive", "数据接收"},
      {"actHandheld", "掌上电脑同步"}}},
};

// The entries also on the tool bar.
const char* const kToolBarEntries[] = {"actCadreLibrary", "actUnitLibrary", "actReminders",
                                       "actSend", "actReceive"};

}  // namespace

MainMenus buildMainMenus(QMainWindow& window, const PageDw& page) {
    MainMenus menus;
    for (const MenuEntries& group : kMenus) {
        QMenu* menu = window.menuBar()->addMenu(QString::fromUtf8(group.caption));
        for (const Entry& entry : group.entries) {
            if (entry.name == nullptr) {
                menu->addSeparator();
                continue;
            }
            const QString name = QString::fromLatin1(entry.name);
            if (name.startsWith(QStringLiteral("page:"))) {
                menu->addAction(page.action(entry.name + 5));
                continue;
            }
            QAction* action = menu->addAction(QString::fromUtf8(entry.caption));
            action->setObjectName(name);
            action->setEnabled(false);
            menus.actions.insert(name, action);
        }
    }
    QMenu* view = window.menuBar()->addMenu(QStringLiteral("显示"));
    menus.columnsMenu = view->addMenu(QStringLiteral("定制显示"));
    menus.columnsMenu->setObjectName(QStringLiteral("mnuColumns"));
    for (QAction* toggle : page.columnToggles()) {
        menus.columnsMenu->addAction(toggle);
    }
    QToolBar* bar = window.addToolBar(QStringLiteral("常用"));
    bar->setObjectName(QStringLiteral("tbMain"));
    for (const char* name : kToolBarEntries) {
        bar->addAction(menus[name]);
    }
    return menus;
}
