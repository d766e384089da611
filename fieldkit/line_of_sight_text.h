#pragma once
// The details window's line of sight (IDC_DETAILS_LINE_OF_SIGHT): whether
// the satellite clears the obstacles, code page 936.
//   视线：无遮挡物                      above the horizon, no obstacle at the site
//   视线：通畅（高出遮挡12.30度）      above the horizon and the obstacles
//   视线：被遮挡（遮挡物高35.00度）    above the horizon, below an obstacle
//   视线：被遮挡（卫星在地平线以下）    below the horizon

#include <cstddef>

#include "fieldkit/field_numbers.h"
#include "fieldkit/horizon.h"

// Room for the longest of them with two numbers of NumberToText's size.
constexpr std::size_t LineOfSightTextCapacity = 80;

// `anyObstacle`: the site has at least one obstacle; without any there is
// nothing to clear, and a height above "the obstacles" would be the elevation.
void buildLineOfSightText(const SatelliteFieldNumbers& numbers, const HorizonClearance& clearance,
                          bool anyObstacle, char (&text)[LineOfSightTextCapacity]);
