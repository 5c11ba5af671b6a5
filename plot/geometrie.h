#pragma once

// The plot's fixed raster: 576 × 432 pixels, 36 pixels per unit, the origin
// one pixel left of and above the arithmetical centre.
inline constexpr int BildBreite = 576;
inline constexpr int BildHoehe = 432;
inline constexpr int ProEinheit = 36;
inline constexpr int UrsprungX = BildBreite / 2 - 1; // 287
inline constexpr int UrsprungY = BildHoehe / 2 - 1;  // 215
