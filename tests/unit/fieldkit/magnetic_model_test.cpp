#include "fieldkit/magnetic_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

namespace {

// NOAA's test values for WMM2025: declination in degrees, east positive.
TEST(MagneticModel, AgreesWithNoaasTestValues) {
    struct Case {
        double year;
        double heightKm;
        double latitude;
        double longitude;
        double declination;
    };
    const Case cases[] = {
        {2025.0, 0, 80, 0, 1.28},   {2025.0, 0, 0, 120, -0.16},   {2025.0, 0, -80, 240, 68.78},
        {2025.0, 100, 80, 0, 0.85}, {2025.0, 100, 0, 120, -0.15}, {2025.0, 100, -80, 240, 68.21},
        {2027.5, 0, 80, 0, 2.59},   {2027.5, 0, 0, 120, -0.24},   {2027.5, 0, -80, 240, 68.49},
        {2027.5, 100, 80, 0, 2.16}, {2027.5, 100, 0, 120, -0.23}, {2027.5, 100, -80, 240, 67.93},
    };
    for (const Case& c : cases) {
        const MagneticField field =
            evaluateMagneticField(wmm2025(), c.latitude, c.longitude, c.heightKm, c.year);
        EXPECT_NEAR(field.declination, c.declination, 0.01)
            << c.year << " " << c.heightKm << " km " << c.latitude << " " << c.longitude;
        EXPECT_TRUE(field.withinValidity);
    }
}

TEST(MagneticModel, BeijingAndTheValidityAndThePoles) {
    const MagneticField beijing = evaluateMagneticField(wmm2025(), 39.92, 116.46, 0, 2026.0);
    EXPECT_NEAR(beijing.declination, -7.55, 0.01);
    // Dip and intensity of the field in northern China.
    EXPECT_NEAR(beijing.inclination, 59.5, 1.0);
    EXPECT_NEAR(beijing.totalIntensity, 54500, 1000);
    EXPECT_NEAR(std::hypot(beijing.north, beijing.east), beijing.horizontalIntensity, 1e-6);

    EXPECT_FALSE(evaluateMagneticField(wmm2025(), 39.92, 116.46, 0, 2024.99).withinValidity);
    EXPECT_TRUE(evaluateMagneticField(wmm2025(), 39.92, 116.46, 0, 2030.0).withinValidity);
    const MagneticField late = evaluateMagneticField(wmm2025(), 39.92, 116.46, 0, 2031.0);
    EXPECT_FALSE(late.withinValidity);
    EXPECT_TRUE(std::isfinite(late.declination));

    // At and beyond the poles the field stays finite.
    for (double latitude : {90.0, -90.0, 90.5, -90.5}) {
        const MagneticField pole = evaluateMagneticField(wmm2025(), latitude, 30, 0, 2026.0);
        EXPECT_TRUE(std::isfinite(pole.declination)) << latitude;
        EXPECT_TRUE(std::isfinite(pole.totalIntensity)) << latitude;
    }
}

TEST(MagneticModel, DecimalYearOfADate) {
    struct Case {
        int year, month, day;
        bool exists;
        double decimalYear;
    };
    const Case cases[] = {
        {2026, 1, 1, true, 2026.0},
        {2026, 12, 7, true, 2026 + 340 / 365.0},
        {2028, 12, 31, true, 2028 + 365 / 366.0},  // leap year
        {2028, 2, 29, true, 2028 + 59 / 366.0},
        {2027, 2, 29, false, 0},
        {2100, 2, 29, false, 0},  // not a leap year
        {2000, 2, 29, true, 2000 + 59 / 366.0},
        {2026, 13, 1, false, 0},
        {2026, 0, 1, false, 0},
        {2026, 4, 31, false, 0},
        {2026, 4, 0, false, 0},
    };
    for (const Case& c : cases) {
        double decimalYear = 0;
        EXPECT_EQ(decimalYearOfDate(c.year, c.month, c.day, decimalYear), c.exists)
            << c.year << "-" << c.month << "-" << c.day;
        if (c.exists) {
            EXPECT_DOUBLE_EQ(decimalYear, c.decimalYear);
        }
    }
}

// The compiled-in table holds the coefficient file's numbers, row for row.
TEST(Wmm2025Coefficients, AgreeWithTheCoefficientFile) {
    std::ifstream file(KESTRAVE_WMM_COF_PATH);
    ASSERT_TRUE(file) << KESTRAVE_WMM_COF_PATH;
    std::string line;
    ASSERT_TRUE(std::getline(file, line));
    EXPECT_NE(line.find("WMM-2025"), std::string::npos);
    const MagneticModel& model = wmm2025();
    EXPECT_EQ(model.epoch, 2025.0);
    EXPECT_EQ(model.validUntil, 2030.0);
    std::size_t row = 0;
    while (std::getline(file, line) && line.compare(0, 9, "999999999") != 0) {
        std::istringstream fields(line);
        MagneticCoefficient read{};
        ASSERT_TRUE(fields >> read.n >> read.m >> read.g >> read.h >> read.dg >> read.dh) << line;
        ASSERT_LT(row, model.coefficientCount);
        const MagneticCoefficient& compiled = model.coefficients[row];
        EXPECT_EQ(compiled.n, read.n) << line;
        EXPECT_EQ(compiled.m, read.m) << line;
        EXPECT_EQ(compiled.g, read.g) << line;
        EXPECT_EQ(compiled.h, read.h) << line;
        EXPECT_EQ(compiled.dg, read.dg) << line;
        EXPECT_EQ(compiled.dh, read.dh) << line;
        ++row;
    }
    EXPECT_EQ(row, model.coefficientCount);
    EXPECT_EQ(row, 90u);  // degree 12
}

}  // namespace
