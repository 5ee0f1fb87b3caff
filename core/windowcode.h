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

// The main window's two sizes as the settings choose them.
enum class WindowSize { Small, Large };
constexpr int windowCodeOf(WindowSize size) {
    return size == WindowSize::Small ? WindowCode::Small : WindowCode::Large;
}
constexpr WindowSize windowSizeOf(int code) {
    return code == WindowCode::Large ? WindowSize::Large : WindowSize::Small;
}

// The page a main window shows first: 仕事技術計算 or キャラデータ.
enum class StartPage { Calculation, Character };

// A size and page together: what the settings window chooses and the options file keeps.
struct WindowChoice {
    WindowSize size = WindowSize::Small;
    StartPage page = StartPage::Calculation;
    bool operator==(const WindowChoice&) const = default;
};

}  // namespace wm
