#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh data folder for one test: CADRE_HOME points at it while the object lives; its Db/
// holds copies of the template databases built beside the program, its Word模板/ the Word
// templates.
class TestHome {
  public:
    TestHome();
    ~TestHome();
    TestHome(const TestHome&) = delete;
    TestHome& operator=(const TestHome&) = delete;

    QString path() const { return dir_.path(); }
    QString dbDir() const;
    // Copies Empty.db to Db/Cadre.db, as a first start does, and returns its path.
    QString makeWorkingDatabase() const;

    static QString templateDir();

  private:
    QTemporaryDir dir_;
    QByteArray previousHome_;
    bool hadHome_;
};
