#pragma once

#include <QString>
#include <utility>
#include <vector>

namespace app {

// An INI file of named sections holding "key=value" lines, as the machine settings keep them.
//
// Files are written as plain UTF-8 text with names as they are ("[干部管理]", "开启=1"), so that
// any INI reader takes them; a value is put in double quotes, with backslash escapes, only when
// it holds characters that would otherwise end or split it. Reading also takes the files that
// Qt's QSettings wrote before, whose section and key names are percent-escaped ("%U5E72...")
// and whose values may be quoted or escaped, and files in the GBK code page written by Windows
// programs, whose values are taken as they stand (backslashes and semicolons included).
class IniFile {
  public:
    // Reads `path`; a missing or unreadable file reads as empty.
    explicit IniFile(const QString& path);

    // The value of `key` in `section` ("" when absent). Names compare exactly.
    QString value(const QString& section, const QString& key) const;
    bool contains(const QString& section, const QString& key) const;
    // Sets `key` of `section`, adding the section or the key at the end when missing.
    void setValue(const QString& section, const QString& key, const QString& value);

    // Writes the whole file at once (or not at all); false when it cannot be written.
    bool save() const;

  private:
    struct Section {
        QString name;
        std::vector<std::pair<QString, QString>> values;
    };

    const Section* find(const QString& section) const;

    QString path_;
    std::vector<Section> sections_;
};

}  // namespace app
