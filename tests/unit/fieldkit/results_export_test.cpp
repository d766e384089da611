#include "fieldkit/results_export.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/recalculation.h"
#include "data/memory_satellite_table.h"
#include "encoding/text_encoding.h"

namespace {

TEST(ResultsFileName, IsTheSiteAndTheDateWithWhatNoFileNameHoldsReplaced) {
    const struct {
        const char* description;  // UTF-8
        const char* name;         // UTF-8
    } cases[] = {
        {u8"北京\r\n经度：东经116.46度\r\n纬度：北纬39.92度", u8"寻星结果_北京_2026-06-01.csv"},
        {u8"地名不详\r\n经度：东经1.00度", u8"寻星结果_地名不详_2026-06-01.csv"},
        {"a\\b/c:d*e?f\"g<h>i|j\tk\r\n", u8"寻星结果_a_b_c_d_e_f_g_h_i_j_k_2026-06-01.csv"},
        // 乗 is 0x81 0x5C and 亅 0x81 0x7C in code page 936: trail bytes that
        // look like '\' and '|' stay.
        {u8"乗亅", u8"寻星结果_乗亅_2026-06-01.csv"},
        {"", u8"寻星结果__2026-06-01.csv"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(resultsFileName(cp936FromUtf8(c.description).c_str(), {2026, 6, 1}),
                  cp936FromUtf8(c.name))
            << c.description;
    }
}

TEST(ResultsCsvFile, IsMarkedUtf8WithCrLfAndTheHeaderAloneForAnEmptyTable) {
    MemorySatelliteTable table;
    insertSatelliteColumns(table);
    ReceivingSite site;
    const std::string empty = resultsCsvFile(table, site, "", {2026, 6, 1});
    ASSERT_EQ(empty.compare(0, 3, "\xEF\xBB\xBF"), 0);
    EXPECT_EQ(empty.find("\r\n"), empty.size() - 2) << "one line";
    EXPECT_EQ(empty.find('\n'), empty.size() - 1);

    table.insertRow(0, "a");
    table.setCell(0, ColumnLongitude, "105.5");
    table.insertRow(1, "b");
    table.setCell(1, ColumnLongitude, "57.0");
    site.longitude = 116.46L;
    site.latitude = 39.92L;
    ChangeFlags flags = 0;
    char description[SiteDescriptionCapacity];
    recalculateAll("", site, table, flags, description);
    const std::string two = resultsCsvFile(table, site, description, {2026, 6, 1});
    std::size_t lineFeeds = 0;
    std::size_t crLfs = 0;
    for (std::size_t at = 0; at < two.size(); ++at) {
        lineFeeds += two[at] == '\n';
        crLfs += two.compare(at, 2, "\r\n") == 0;
    }
    EXPECT_EQ(lineFeeds, 3u);
    EXPECT_EQ(crLfs, 3u);
    EXPECT_EQ(two.substr(0, empty.size()), empty) << "the same header";
}

}  // namespace
