// The rules behind the satellite list's edits: deleting the selected rows
// question by question, and the site a recalculation after an edit uses.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/list_edit_recalculation.h"
#include "calc/row_deletion.h"
#include "encoding/text_encoding.h"
#include "tests/support/test_satellite_table.h"

namespace {

TestSatelliteTable tableOf(const std::vector<std::string>& names,
                           const std::vector<int>& selected = {}) {
    TestSatelliteTable table;
    insertSatelliteColumns(table);
    for (const std::string& name : names) {
        int row = table.rowCount();
        table.insertRow(row, name.c_str());
        table.setCell(row, ColumnLongitude, std::to_string(10 * (row + 1)).c_str());
    }
    for (int row : selected) table.selectRow(row, true);
    return table;
}

std::vector<std::string> namesOf(const TestSatelliteTable& table) {
    std::vector<std::string> names;
    for (int row = 0; row < table.rowCount(); ++row) names.push_back(table.cellText(row, 0));
    return names;
}

TEST(RowDeletion, AsksAboutEachSelectedRowInOrderAndFollowsTheAnswers) {
    using A = DeletionAnswer;
    struct Case {
        std::vector<A> answers;
        std::vector<std::string> asked;
        std::vector<std::string> left;
        bool deleted;
    };
    const Case cases[] = {
        {{A::Yes, A::Yes, A::Yes}, {"b", "c", "e"}, {"a", "d"}, true},
        {{A::No, A::Yes, A::No}, {"b", "c", "e"}, {"a", "b", "d", "e"}, true},
        {{A::Yes, A::Cancel}, {"b", "c"}, {"a", "c", "d", "e"}, true},
        {{A::Cancel}, {"b"}, {"a", "b", "c", "d", "e"}, false},
        {{A::No, A::No, A::No}, {"b", "c", "e"}, {"a", "b", "c", "d", "e"}, false},
    };
    for (const Case& c : cases) {
        TestSatelliteTable table = tableOf({"a", "b", "c", "d", "e"}, {1, 2, 4});
        std::vector<std::string> asked;
        bool deleted = deleteSelectedRows(table, [&](const char* name) {
            asked.push_back(name);
            return asked.size() <= c.answers.size() ? c.answers[asked.size() - 1] : A::Cancel;
        });
        EXPECT_EQ(asked, c.asked);
        EXPECT_EQ(namesOf(table), c.left);
        EXPECT_EQ(deleted, c.deleted);
    }
}

TEST(RowDeletion, NamesAreAskedWithAtMost126BytesAndNothingSelectedAsksNothing) {
    TestSatelliteTable table = tableOf({std::string(200, 'n')}, {0});
    std::string asked;
    deleteSelectedRows(table, [&](const char* name) {
        asked = name;
        return DeletionAnswer::No;
    });
    EXPECT_EQ(asked, std::string(126, 'n'));

    TestSatelliteTable none = tableOf({"a", "b"});
    int questions = 0;
    EXPECT_FALSE(deleteSelectedRows(none, [&](const char*) {
        ++questions;
        return DeletionAnswer::Yes;
    }));
    EXPECT_EQ(questions, 0);
}

TEST(ListEditRecalculation, UsesTheTypedSiteOnlyWhileItIsUsable) {
    TestSatelliteTable table = tableOf({"a"});
    ReceivingSite site;
    ChangeFlags flags = 0;
    char description[SiteDescriptionCapacity];
    LastRecalculation last;
    const std::string beijing = cp936FromUtf8("北京");

    site.longitude = 116.46L;
    site.latitude = 39.92L;
    recalculateAfterListEdit(true, beijing.c_str(), site, table, flags, description, last);
    const std::string beijingDescription = description;
    const std::string beijingElevation = table.cellText(0, ColumnElevation);
    EXPECT_EQ(last.longitude, 116.46L);
    EXPECT_EQ(last.latitude, 39.92L);
    EXPECT_EQ(flags, SiteChanged);

    // Invalid inputs (say, latitude "abc" after longitude 100): the rows and
    // the description stay those of Beijing, and the site keeps what was typed.
    site.longitude = 100;
    site.latitude = 0;
    table.setCell(0, ColumnElevation, "");
    recalculateAfterListEdit(false, "", site, table, flags, description, last);
    EXPECT_EQ(std::string(description), beijingDescription);
    EXPECT_EQ(table.cellText(0, ColumnElevation), beijingElevation);
    EXPECT_EQ(std::string(site.name), beijing);
    EXPECT_EQ(site.longitude, 100.0L);
    EXPECT_EQ(site.latitude, 0.0L);
    EXPECT_EQ(last.longitude, 116.46L);

    // Usable again: the typed site, remembered for the next time.
    recalculateAfterListEdit(true, "", site, table, flags, description, last);
    EXPECT_NE(table.cellText(0, ColumnElevation), beijingElevation);
    EXPECT_EQ(last.longitude, 100.0L);
    EXPECT_EQ(utf8FromCp936(description).rfind("地名不详", 0), 0u) << utf8FromCp936(description);
}

}  // namespace
