#pragma once
// Horizons for the unit tests, from sectors or profile points that must be valid.

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "fieldkit/horizon.h"

inline Horizon sectorHorizon(std::vector<HorizonSector> sectors) {
    Horizon horizon;
    EXPECT_TRUE(horizon.setSectors(std::move(sectors)));
    return horizon;
}

inline Horizon profileHorizon(std::vector<HorizonPoint> points) {
    Horizon horizon;
    EXPECT_TRUE(horizon.setProfile(std::move(points)));
    return horizon;
}
