#pragma once

#include <gtest/gtest.h>

#include <QDate>
#include <memory>

#include "app/DataModule.h"
#include "db/Database.h"
#include "main/ui/TMainForm.h"
#include "search/SearchResult.h"
#include "search/ui/PageAdv.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"

// The main window over the sample data with every cadre in the search result.
class StatisticsWindowFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError().toStdString();
        const Result<int> count =
            search::runSearch(dm.db(), search::SearchMode::Replace, QString());
        ASSERT_TRUE(count);
        resultCount = *count;
        form = std::make_unique<TMainForm>(dm);
        form->show();
        page = form->searchResult();
        page->reload();
    }

    TestHome home;
    TDataM dm{home.path()};
    RecordingMessageService messages;
    std::unique_ptr<TMainForm> form;
    PageAdv* page = nullptr;
    int resultCount = 0;
};
