// The receiving site set through the city box and the coordinate boxes.

#include <gtest/gtest.h>

#include <string>

#include "res/resource_ids.h"
#include "tests/gui/gui_fixture.h"
#include "tests/gui/hosted_main_window.h"

namespace {

using SiteInputTest = GuiTest;

// Whether IDOK and IDM_RECALCULATE agree and are enabled.
void expectRecalculateEnabled(HostedMainWindow& main, bool enabled) {
    EXPECT_EQ(main.enabled(IDOK), enabled);
    EXPECT_EQ(main.menuCommandEnabled(IDM_RECALCULATE), enabled);
}

TEST_F(SiteInputTest, TypingBeijingLooksItUpOnTheSecondCharacterWithoutRecalculating) {
    storeText(HKEY_CURRENT_USER, "City", "上海");
    HostedMainWindow main;
    const std::string shanghai = main.text(IDC_SITE_DESCRIPTION);
    ASSERT_EQ(shanghai, "上海\r\n经度：东经121.48度\r\n纬度：北纬31.22度");
    const std::string firstResult = main.cell(0, 2);

    main.emptyCityBox();
    main.typeIntoCityBox(L"北");
    EXPECT_EQ(main.text(IDC_CITY), "北");
    EXPECT_EQ(main.text(IDC_LONGITUDE), "?");
    EXPECT_EQ(main.text(IDC_LATITUDE), "?");
    EXPECT_FALSE(main.enabled(IDC_LONGITUDE));
    EXPECT_FALSE(main.enabled(IDC_LATITUDE));
    expectRecalculateEnabled(main, false);

    main.typeIntoCityBox(L"京");
    EXPECT_EQ(main.text(IDC_CITY), "北京");
    EXPECT_EQ(main.text(IDC_LONGITUDE), "116.46");
    EXPECT_EQ(main.text(IDC_LATITUDE), "39.92");
    EXPECT_FALSE(main.enabled(IDC_LONGITUDE));
    expectRecalculateEnabled(main, true);
    EXPECT_EQ(main.text(IDC_SITE_DESCRIPTION), shanghai);
    EXPECT_EQ(main.cell(0, 2), firstResult);

    main.pressKey(IDC_CITY, VK_RETURN);
    EXPECT_EQ(main.text(IDC_SITE_DESCRIPTION), BeijingDescription);
    EXPECT_NE(main.cell(0, 2), firstResult);
}

TEST_F(SiteInputTest, ChoosingShanghaiFillsTheLockedBoxesAndButton1Recalculates) {
    HostedMainWindow main;
    main.chooseCity("上海");
    EXPECT_EQ(main.text(IDC_LONGITUDE), "121.48");
    EXPECT_EQ(main.text(IDC_LATITUDE), "31.22");
    EXPECT_FALSE(main.enabled(IDC_LONGITUDE));
    EXPECT_FALSE(main.enabled(IDC_LATITUDE));
    expectRecalculateEnabled(main, true);
    EXPECT_EQ(main.text(IDC_SITE_DESCRIPTION), BeijingDescription);

    SendMessageA(main.item(IDOK), BM_CLICK, 0, 0);
    main.pumpMessages();
    EXPECT_EQ(main.text(IDC_SITE_DESCRIPTION), "上海\r\n经度：东经121.48度\r\n纬度：北纬31.22度");
    EXPECT_EQ(std::string(main.state().model.site.longitudeText), "121.48");
    EXPECT_EQ(std::string(main.state().model.site.latitudeText), "31.22");
}

TEST_F(SiteInputTest, EmptyingTheCityBoxOffersTheLastRecalculatedCoordinates) {
    HostedMainWindow main;
    main.chooseCity("上海");  // looked up, not recalculated
    main.emptyCityBox();
    EXPECT_EQ(main.text(IDC_CITY), "");
    EXPECT_TRUE(main.enabled(IDC_LONGITUDE));
    EXPECT_TRUE(main.enabled(IDC_LATITUDE));
    EXPECT_EQ(main.text(IDC_LONGITUDE), "116.46");
    EXPECT_EQ(main.text(IDC_LATITUDE), "39.92");
    expectRecalculateEnabled(main, true);
}

struct CoordinateCase {
    const char* longitude;
    const char* latitude;
    bool accepted;
};

class CoordinateRangeTest : public GuiTest, public ::testing::WithParamInterface<CoordinateCase> {};

TEST_P(CoordinateRangeTest, RecalculateFollowsTheRange) {
    const CoordinateCase& input = GetParam();
    HostedMainWindow main;
    main.emptyCityBox();
    main.setBoxText(IDC_LONGITUDE, input.longitude);
    main.setBoxText(IDC_LATITUDE, input.latitude);
    expectRecalculateEnabled(main, input.accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, CoordinateRangeTest,
    ::testing::Values(CoordinateCase{"116.46", "90.5", true},
                      CoordinateCase{"116.46", "-90.5", true},
                      CoordinateCase{"116.46", "90.4", true},
                      CoordinateCase{"116.46", "90.51", false},
                      CoordinateCase{"116.46", "91", false}, CoordinateCase{"116.46", "1e1", true},
                      CoordinateCase{"116.46", "1e2", false}, CoordinateCase{"180.5", "0", true},
                      CoordinateCase{"-180.5", "0", true}, CoordinateCase{"180.51", "0", false},
                      CoordinateCase{"abc", "0", false}, CoordinateCase{"", "0", false}));

TEST_F(SiteInputTest, AnEmptyLatitudeGreysRecalculateAndKeepsTheLatitude) {
    HostedMainWindow main;
    main.emptyCityBox();
    main.setBoxText(IDC_LATITUDE, "1e1");
    EXPECT_EQ(main.state().model.site.latitude, 10.0L);
    main.setBoxText(IDC_LATITUDE, "");
    expectRecalculateEnabled(main, false);
    EXPECT_EQ(main.state().model.site.latitude, 10.0L);

    main.setBoxText(IDC_LONGITUDE, "abc");
    EXPECT_EQ(main.state().model.site.longitude, 0.0L);
    expectRecalculateEnabled(main, false);
}

TEST_F(SiteInputTest, EnterRecalculatesTypedCoordinatesOnlyWhileButton1IsEnabled) {
    HostedMainWindow main;
    main.emptyCityBox();
    main.setBoxText(IDC_LONGITUDE, "-70.5");
    main.setBoxText(IDC_LATITUDE, "91");
    main.pressKey(IDC_LATITUDE, VK_RETURN);
    EXPECT_EQ(main.text(IDC_SITE_DESCRIPTION), BeijingDescription);
    // Nor does the command a dialog manager may send for Enter regardless.
    main.command(IDOK);
    EXPECT_EQ(main.text(IDC_SITE_DESCRIPTION), BeijingDescription);

    main.setBoxText(IDC_LATITUDE, "-33.45");
    main.pressKey(IDC_LATITUDE, VK_RETURN);
    EXPECT_EQ(main.text(IDC_SITE_DESCRIPTION),
              "地名不详\r\n经度：西经70.50度\r\n纬度：南纬33.45度");
    EXPECT_EQ(std::string(main.state().model.site.longitudeText), "-70.50");

    main.setBoxText(IDC_LATITUDE, "30");
    main.pressKey(IDC_SATELLITE_TABLE, VK_RETURN);  // Enter in the table too
    EXPECT_EQ(main.text(IDC_SITE_DESCRIPTION),
              "地名不详\r\n经度：西经70.50度\r\n纬度：北纬30.00度");
}

TEST_F(SiteInputTest, MenuRecalculateRunsTheSameRecalculation) {
    HostedMainWindow main;
    main.chooseCity("上海");
    main.command(IDM_RECALCULATE);
    EXPECT_EQ(main.text(IDC_SITE_DESCRIPTION), "上海\r\n经度：东经121.48度\r\n纬度：北纬31.22度");
}

}  // namespace
