#pragma once

namespace wm {

// The two sizes of the main window, by the code the options file, the settings and the
// level rules use.
namespace WindowCode {
inline constexpr int Small = 1;
inline constexpr int Large = 2;
// The code of the window of the other size.
inline constexpr int other(int code) {
    return code == Small ? Large : Small;
}
}  // namespace WindowCode

}  // namespace wm
