#pragma once

// The program host of the tests of pages built on first use: three classes and one sword,
// loaded from their files as the program loads them.

#include <memory>

#include "fakehost.h"
#include "gamedata.h"
#include "testfolder.h"

namespace wmtest {

inline void writeFirstUseData(TestFolder& folder) {
    folder.writeLines("txtFile/JobData.txt",
                      {"# 職業", "平民 50 01", "剣士 70 02 剣,刀,", "封印 40 03 盾,,"});
    folder.writeLines("txtFile/MakeData.txt",
                      {"# 生産データ", "#13 剣鍛冶", "010:銅の剣 010:03 12 00 1301"});
}

inline std::unique_ptr<FakeHost> firstUseHost(const TestFolder& folder) {
    auto host = std::make_unique<FakeHost>();
    folder.prepare(host->data);
    wm::loadJobs(host->data, host->scripted);
    wm::loadProducts(host->data, host->scripted);
    return host;
}

}  // namespace wmtest
