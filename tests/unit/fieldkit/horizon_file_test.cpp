#include "fieldkit/horizon_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/support/horizons.h"
#include "tests/support/repeated_text.h"

namespace {

TEST(HorizonFile, ReadsBothForms) {
    Horizon horizon;
    HorizonFileError error;
    const std::string sectors =
        "\xEF\xBB\xBF# the neighbour's roof, then the tree\r\n"
        "\r\n"
        "120,150,12.5\r\n"
        "  350 \t10  5   # through north\r\n"
        "200 , 210 ,.5e1\r\n"
        "10,10,+7";
    ASSERT_TRUE(readHorizonFile(sectors, horizon, error)) << horizonFileMessage(error);
    ASSERT_EQ(horizon.sectors().size(), 4u);
    EXPECT_TRUE(horizon.profile().empty());
    const HorizonSector expected[] = {{120, 150, 12.5L}, {350, 10, 5}, {200, 210, 5}, {10, 10, 7}};
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(horizon.sectors()[k].from, expected[k].from);
        EXPECT_EQ(horizon.sectors()[k].to, expected[k].to);
        EXPECT_EQ(horizon.sectors()[k].elevation, expected[k].elevation);
    }

    ASSERT_TRUE(readHorizonFile("270 0\n90,10\n180\t-0\n", horizon, error));
    EXPECT_TRUE(horizon.sectors().empty());
    ASSERT_EQ(horizon.profile().size(), 3u);
    EXPECT_EQ(horizon.profile()[0].azimuth, 90);
    EXPECT_FALSE(std::signbit(horizon.profile()[1].elevation));  // -0 reads as 0
    EXPECT_EQ(horizon.elevationAt(135), 5);

    for (const char* clear : {"", "# nothing here\n\n   \n", "\xEF\xBB\xBF"}) {
        EXPECT_TRUE(readHorizonFile(clear, horizon, error));
        EXPECT_TRUE(horizon.empty());
    }
}

TEST(HorizonFile, RefusesTheFirstBadLine) {
    using P = HorizonFileProblem;
    using F = HorizonField;
    struct Case {
        std::string text;
        P problem;
        std::size_t line;
        F field;
        const char* message;
    };
    const Case cases[] = {
        {"7,8,9\n1,2,abc\n", P::NotANumber, 2, F::Elevation,
         "line 2: elevation \"abc\" is not a number"},
        {"abc 5", P::NotANumber, 1, F::Azimuth, "line 1: azimuth \"abc\" is not a number"},
        {"#\n\n120,150\n", P::OutOfRange, 3, F::Elevation,
         "line 3: elevation \"150\" is not within 0 to 90"},
        {"361,10,5", P::OutOfRange, 1, F::From,
         "line 1: from azimuth \"361\" is not within 0 to 360"},
        {"10,-1,5", P::OutOfRange, 1, F::To, "line 1: to azimuth \"-1\" is not within 0 to 360"},
        {"10,20,90.01", P::OutOfRange, 1, F::Elevation,
         "line 1: elevation \"90.01\" is not within 0 to 90"},
        {"10,,20", P::NotANumber, 1, F::To, "line 1: to azimuth \"\" is not a number"},
        {"1", P::WrongCount, 1, F::None,
         "line 1: 1 number, where an obstacle has 3 and a profile point 2"},
        {"1 2 3 4", P::WrongCount, 1, F::None,
         "line 1: 4 numbers, where an obstacle has 3 and a profile point 2"},
        {"1,2,3,", P::WrongCount, 1, F::None,
         "line 1: 4 numbers, where an obstacle has 3 and a profile point 2"},
        {"120,150,10\n200,5\n", P::PointAmongSectors, 2, F::None,
         "line 2: a profile point (2 numbers) in a file of obstacles (3 numbers each)"},
        {"200,5\r\n120,150,10\r\n", P::SectorAmongPoints, 2, F::None,
         "line 2: an obstacle (3 numbers) in a file of profile points (2 numbers each)"},
        {"\xEF\xBB\xBF# h\r\n\r\n10 20 5\r\n10 20 x\r\n", P::NotANumber, 4, F::Elevation,
         "line 4: elevation \"x\" is not a number"},
        {"12abc 5", P::NotANumber, 1, F::Azimuth, "line 1: azimuth \"12abc\" is not a number"},
        {"1e1-3 5", P::NotANumber, 1, F::Azimuth, "line 1: azimuth \"1e1-3\" is not a number"},
        {"e5 5", P::NotANumber, 1, F::Azimuth, "line 1: azimuth \"e5\" is not a number"},
        {"1E1 5", P::NotANumber, 1, F::Azimuth, "line 1: azimuth \"1E1\" is not a number"},
        {"5 1e", P::NotANumber, 1, F::Elevation, "line 1: elevation \"1e\" is not a number"},
        {"5 1e5000", P::NotANumber, 1, F::Elevation,
         "line 1: elevation \"1e5000\" is not a number"},
        {"1e0.5 5", P::NotANumber, 1, F::Azimuth, "line 1: azimuth \"1e0.5\" is not a number"},
        {". 5", P::NotANumber, 1, F::Azimuth, "line 1: azimuth \".\" is not a number"},
        {"30\xE5\xBA\xA6 5", P::NotANumber, 1, F::Azimuth,
         "line 1: azimuth \"30\\xE5\\xBA\\xA6\" is not a number"},
        {std::string("1\0 5", 4), P::NotANumber, 1, F::Azimuth,
         "line 1: azimuth \"1\\x00\" is not a number"},
        {"10\r20 5", P::NotANumber, 1, F::Azimuth, "line 1: azimuth \"10\\x0D20\" is not a number"},
        {"\"\\ 5", P::NotANumber, 1, F::Azimuth, "line 1: azimuth \"\\x22\\x5C\" is not a number"},
        {std::string(30, '9') + " 5", P::OutOfRange, 1, F::Azimuth,
         "line 1: azimuth \"999999999999999999999999...\" is not within 0 to 360"},
        {"# h\n" + repeated("1,2,3\n", 64) + "1,2,3\n", P::TooManySectors, 66, F::None,
         "line 66: more than 64 obstacles"},
        {repeated("1 2\n", 721), P::TooManyPoints, 721, F::None,
         "line 721: more than 720 profile points"},
        {std::string(65537, '\n'), P::TooLarge, 0, F::None, "the file is larger than 65536 bytes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        Horizon horizon = sectorHorizon({{1, 2, 3}});
        HorizonFileError error;
        EXPECT_FALSE(readHorizonFile(c.text, horizon, error));
        EXPECT_EQ(error.problem, c.problem);
        EXPECT_EQ(error.line, c.line);
        EXPECT_EQ(error.field, c.field);
        EXPECT_EQ(horizonFileMessage(error), c.message);
        EXPECT_EQ(horizon.sectors().size(), 1u);  // kept as it was
    }
}

TEST(HorizonFile, CapacityBoundaries) {
    Horizon horizon;
    HorizonFileError error;
    EXPECT_TRUE(readHorizonFile(repeated("1,2,3\n", 64), horizon, error));
    EXPECT_EQ(horizon.sectors().size(), 64u);
    EXPECT_TRUE(readHorizonFile(repeated("1 2\n", 720), horizon, error));
    EXPECT_EQ(horizon.profile().size(), 720u);
    std::string largest = "10 20\n";
    largest += std::string(HorizonFileLimit - largest.size(), '\n');
    EXPECT_TRUE(readHorizonFile(largest, horizon, error));
    EXPECT_EQ(horizon.profile().size(), 1u);
}

}  // namespace
