#pragma once
// What the close of the main window has to save. Bits are set, never cleared.

#include <cstdint>

using ChangeFlags = std::uint32_t;

// Rows added, modified, deleted or re-sorted: the list is saved as Data.
constexpr ChangeFlags ListChanged = 1;
// A recalculation ran: City, X and Y are saved.
constexpr ChangeFlags SiteChanged = 2;
