#pragma once
// The texts of the details window: one satellite seen from the site of the
// last recalculation, with what an installer needs beyond the table (compass
// bearing, offset dish, range and delay). Code page 936, built from the
// field kit's numbers.

#include <cstddef>
#include <optional>
#include <string>

#include "calc/pointing.h"
#include "data/nearest_place.h"
#include "fieldkit/calendar_date.h"
#include "fieldkit/field_numbers.h"
#include "fieldkit/magnetic_model.h"
#include "fieldkit/polar_mount.h"
#include "fieldkit/sun_aim.h"

struct DetailsInput {
    std::string satelliteName;  // the row's name cell
    std::string longitudeText;  // the row's longitude cell
    std::string siteName;       // the site description's first line
    CalendarDate date;
    bool southernSite = false;
    PointingResult pointing;                   // the row's texts as the table shows them
    SatelliteFieldNumbers numbers;             // for the row's satellite
    MagneticField magnetic;                    // at the site on the date
    const char* modelName = "";                // the magnetic model, e.g. WMM2025
    std::string offsetText;                    // the offset box: degrees, or empty
    std::optional<long double> motorAngle;     // none outside the visible arc
    PolarMount polarMount;                     // at the site
    std::optional<NearestPlace> nearestPlace;  // a site typed as coordinates
    SunAimResult sunAim;                       // today's moments of aiming by the sun, Beijing time
};

// Room for the longest text: a name and a longitude cell of 127 bytes each.
constexpr std::size_t DetailsTextCapacity = 300;

// One text per static control of the window, in id order.
struct DetailsTexts {
    char satellite[DetailsTextCapacity];  // 亚洲3号  (AsiaSat-3S)  105.5度
    // 北京　2026-12-07, or for a site typed as coordinates
    // 地名不详　2026-12-07　最近的地名：漠河（11.1公里）
    char site[DetailsTextCapacity];
    char elevation[DetailsTextCapacity];  // 天线仰角：42.45度\r\n偏馈天线仰角：19.85度
    char trueAzimuth[DetailsTextCapacity];   // 真方位角：南偏西16.79度（196.79度）
    char declination[DetailsTextCapacity];   // 磁偏角：西7.60度（WMM2025）
    char compass[DetailsTextCapacity];       // 罗盘方位角：204.39度（南偏西24.39度）
    char polarisation[DetailsTextCapacity];  // 极化角：-12.80度
    char range[DetailsTextCapacity];         // 距离：37597公里　单程时延：125.4毫秒
    // 对日寻星：今天 12:43 太阳在卫星方向（影子背向卫星），16:05 太阳在卫星反方向（影子指向卫星）
    char sunAim[DetailsTextCapacity];
    char motorAngle[DetailsTextCapacity];  // 马达角度：西12.39度
    char polarMount[DetailsTextCapacity];  // 极轴座：极轴仰角39.92度，偏置角6.27度，天线仰角43.81度
};

// The offset angle of an offset dish, from the text of the offset box: a
// number from 0 to 60 degrees.
bool readOffsetAngle(const char* text, long double* degrees);

// A bearing (degrees clockwise from north) in the table's words: from due
// south at a northern site (南偏西24.39度, 南偏东5.00度, 正南), from due north
// at a southern one (北偏东..., 北偏西..., 正北). Never more than `capacity`
// bytes with the NUL.
void formBearingText(long double bearing, bool southernSite, char* text, std::size_t capacity);

// The motor angle as the window words it after its label: 东12.34度 or
// 西12.34度, 0.00度 on the meridian, -（卫星在地平线以下） outside the visible arc.
void formMotorAngleText(std::optional<long double> angle, char* text, std::size_t capacity);
// The polar mount after its label: 极轴仰角39.92度，偏置角6.27度，天线仰角43.81度.
void formPolarMountText(const PolarMount& mount, char* text, std::size_t capacity);

void buildDetailsTexts(const DetailsInput& input, DetailsTexts& texts);
