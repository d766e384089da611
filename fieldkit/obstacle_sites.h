#pragma once
// The obstacles of several sites (an installer keeps a few customers), each
// set with the site it was measured at, kept as one text value.

#include <cstddef>
#include <vector>

#include "data/receiving_site.h"
#include "fieldkit/horizon_setting.h"

// One site's obstacles: the site's name (at most SiteNameLimit bytes of
// code page 936) and coordinates (to hundredths), and the set as typed.
struct SiteObstacles {
    ReceivingSite site;
    HorizonSetting setting;
};

// Whether two sites are one for their obstacles: the same coordinates to
// hundredths of a degree (the names may differ).
bool sameObstacleSite(const ReceivingSite& a, const ReceivingSite& b);

// ---- The stored value ----
//
// Every set as `S` LONGITUDE `,` LATITUDE `,` NAMEBYTES `:` NAME SETTING, one
// after another: the coordinates with two decimals as NumberToText writes
// them, the name's length in bytes and the name (any bytes but NUL, so a
// double-byte character never ends it), then the set as formatHorizonSetting
// writes it (which holds no `S`).
//   ""                                          no obstacles anywhere
//   "S116.40,39.90,4:北京M;120.00,150.00,12.50"  one site, one obstacle
// A value of the older form, one setting for whichever site ("M;..."), is
// read by upgradeObstacleValue.

// The stored value and its NUL: room for six full sets, or many more of a
// few obstacles each.
constexpr std::size_t ObstacleSitesCapacity = 8 * 1024;

// Writes the sets; false (and an empty text) when one is not valid or they
// would not fit ObstacleSitesCapacity.
bool formatObstacleSites(const std::vector<SiteObstacles>& sites,
                         char (&text)[ObstacleSitesCapacity]);

// Reads a stored value of the form above (at most one set per site); false
// and `sites` unchanged for anything else, the older form included.
bool parseObstacleSites(const char* text, std::vector<SiteObstacles>& sites);

// A value of the older form becomes the set of `savedSite` (the site kept
// beside it); true when `text` was rewritten. Any other text stays.
bool upgradeObstacleValue(char (&text)[ObstacleSitesCapacity], const ReceivingSite& savedSite);

// ---- Editing one site's set ----

// The set kept for `site`, or a new empty one for it in compass bearings
// (the first start's choice).
SiteObstacles obstaclesForSite(const std::vector<SiteObstacles>& sites, const ReceivingSite& site);

// Keeps `edited` in place of the set of its site, or after the others; a
// set left empty in compass bearings is dropped.
void keepSiteObstacles(std::vector<SiteObstacles>& sites, const SiteObstacles& edited);

// The most obstacles the set of `edited`'s site may hold so that every set
// still fits the stored value (at most HorizonSectorCapacity).
std::size_t obstacleRoomFor(const std::vector<SiteObstacles>& sites, const SiteObstacles& edited);
