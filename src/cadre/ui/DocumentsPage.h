#pragma once

#include <functional>

#include "cadre/ui/SubRecordPage.h"

class QListWidget;

// The editor's page "文档材料": the documents attached to the cadre, one icon each captioned with
// its file name, with "添加", "删除", "重命名", "打开" (also a double-click) and "另存为". Opening
// writes the document to a fresh folder below TEMP/ and starts the desktop's program on it.
class DocumentsPage final : public SubRecordPage {
    Q_OBJECT

  public:
    explicit DocumentsPage(TDataM& dm, QWidget* parent = nullptr);

    // Asks for a file: (owner, caption, proposed path) -> the chosen path, empty when cancelled.
    using FileChooser = std::function<QString(QWidget*, const QString&, const QString&)>;
    // The file choosers and the name prompt; by default the desktop's dialogs.
    void setOpenFileChooser(FileChooser chooser) { chooseOpenFile_ = std::move(chooser); }
    void setSaveFileChooser(FileChooser chooser) { chooseSaveFile_ = std::move(chooser); }
    void setNamePrompt(std::function<QString(QWidget*, const QString&)> prompt) {
        askName_ = std::move(prompt);
    }

  protected:
    void reload() override;
    void clear() override;

  private:
    int selectedId() const;
    void addClicked();
    void deleteClicked();
    void renameClicked();
    void openClicked();
    void saveAsClicked();

    FileChooser chooseOpenFile_;
    FileChooser chooseSaveFile_;
    std::function<QString(QWidget*, const QString&)> askName_;
    QListWidget* lvDocuments;
};
