#pragma once

namespace wm {

// The release shown in window titles and the version window.
inline constexpr int kVersionMajor = 0;
inline constexpr int kVersionMinor = 2;
inline constexpr int kVersionRevision = 6;

}  // namespace wm
