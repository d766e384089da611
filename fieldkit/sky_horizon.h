#pragma once
// The obstacles in the sky picture: the horizon's outline, filled, and the
// satellites it hides drawn as hollow marks.

#include <vector>

#include "fieldkit/horizon.h"
#include "fieldkit/sky_layout.h"

// The horizon across the panorama as one closed outline: from the left end
// of the horizon line along the top of every obstacle to the right end,
// with a vertical edge at each end of a sector. Empty when nothing within
// the panorama stands above elevation 0.
std::vector<SkyPoint> skyHorizonOutline(const SkyFrame& frame, const Horizon& horizon);

// Adds the horizon to a laid-out picture of `satellites` (the same ones,
// in the same order): its outline, every satellite the horizon hides as a
// hollow mark, and a legend that names the obstacles.
void addHorizonToSky(SkyLayout& layout, const Horizon& horizon,
                     const std::vector<SkySatelliteInput>& satellites);
