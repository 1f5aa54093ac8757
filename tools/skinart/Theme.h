#pragma once
// The skin's palette: flat surfaces, one accent, and the two call colours. The skin file's
// COLOR resources use the same values.
#include "Raster.h"

namespace skinart::theme {

constexpr Rgba kAccent = Hex(0x2563EB);
constexpr Rgba kAccentHover = Hex(0x3B82F6);
constexpr Rgba kAccentPressed = Hex(0x1D4ED8);
constexpr Rgba kAccentDeep = Hex(0x1E40AF);
constexpr Rgba kAccentSoft = Hex(0xDBEAFE);
constexpr Rgba kAccentSofter = Hex(0xEFF6FF);

constexpr Rgba kSurface = Hex(0xFFFFFF);
constexpr Rgba kPanel = Hex(0xF1F5F9);
constexpr Rgba kPanelHover = Hex(0xE2E8F0);
constexpr Rgba kPanelPressed = Hex(0xCBD5E1);
constexpr Rgba kBorder = Hex(0xCBD5E1);
constexpr Rgba kBorderStrong = Hex(0x94A3B8);
constexpr Rgba kText = Hex(0x1F2937);
constexpr Rgba kMuted = Hex(0x64748B);
constexpr Rgba kDisabled = Hex(0xE5E7EB);
constexpr Rgba kDisabledText = Hex(0x9CA3AF);

constexpr Rgba kDanger = Hex(0xDC2626);
constexpr Rgba kDangerHover = Hex(0xEF4444);
constexpr Rgba kDangerPressed = Hex(0xB91C1C);
constexpr Rgba kDangerSoft = Hex(0xFEE2E2);
constexpr Rgba kGo = Hex(0x16A34A);
constexpr Rgba kGoHover = Hex(0x22C55E);
constexpr Rgba kGoPressed = Hex(0x15803D);

constexpr Rgba kVideoBody = Hex(0x0F172A);
constexpr Rgba kVideoBar = Hex(0x1E293B);

// Transparent key of foreground images and of the notifier bitmap's edge.
constexpr Rgba kKeyMagenta = Hex(0xFF00FF);
constexpr Rgba kKeyWhite = Hex(0xFFFFFF);

} // namespace skinart::theme
