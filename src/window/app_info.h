#pragma once
// The application's title and version, as the window caption and the about
// box show them.
#include <string>
#include <string_view>

namespace qvl {

inline constexpr std::string_view kAppTitle = "QvLedgerloom";
inline constexpr int kVersionMajor = 71;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 0;

// "Quorvanta Ledgerloom" -> "Quorvanta Ledgerloom - v71.0" (".revision" added
// only when it is above 0).
std::string CaptionWithVersion(std::string_view caption);
// "Version 71.0.0": all three numbers, always.
std::string VersionText();

}  // namespace qvl
