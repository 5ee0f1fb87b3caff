#include "options.h"

#include "cp932.h"
#include "numbers.h"

namespace wm {

namespace {

// The file numbers both choices 1 and 2; true for 2, nothing for any other value.
std::optional<bool> secondChoice(const QString& value) {
    const auto v = intPart(value);
    if (!v || (*v != 1 && *v != 2))
        return std::nullopt;
    return *v == 2;
}

std::optional<WindowSize> windowSizeIn(const QString& value) {
    const auto second = secondChoice(value);
    return second ? std::optional(*second ? WindowSize::Large : WindowSize::Small) : std::nullopt;
}

std::optional<StartPage> startPageIn(const QString& value) {
    const auto second = secondChoice(value);
    return second ? std::optional(*second ? StartPage::Character : StartPage::Calculation)
                  : std::nullopt;
}

}  // namespace

std::optional<QStringList> readOptionValues(const AppData& d) {
    const ReadResult file = readTextLines(d.nativeDataPath(FileListEntry::Options));
    if (!file.ok)
        return std::nullopt;
    QStringList values;
    for (const QString& line : file.lines) {
        if (!line.startsWith(QLatin1Char('#')))
            values << line;
    }
    return values;
}

void loadOptions(AppData& d, WindowOps& windows) {
    const auto values = readOptionValues(d);
    // Without a usable window size nothing would be shown at all: ask instead.
    const auto size = values && !values->isEmpty() ? windowSizeIn(values->first()) : std::nullopt;
    if (!size) {
        d.optionsMissing = true;
        windows.showSettings();
        return;
    }
    // The page line switches the window the size line shows, whichever page it names.
    if (values->size() > 1) {
        if (const auto page = startPageIn(values->at(1)))
            windows.openOnPage(windowCodeOf(*size), *page);
    }
    for (int n = 0; n < values->size(); ++n)
        applyOption(d, windows, values->at(n), OptionLine(n));
}

void applyOption(AppData& d, WindowOps& windows, const QString& value, OptionLine line) {
    if (line == OptionLine::WindowSize) {
        if (const auto size = windowSizeIn(value))
            applyWindowSize(d, windows, *size);
    } else if (line == OptionLine::Page) {
        if (const auto page = startPageIn(value))
            applyStartPage(windows, *page);
    }
}

void applyWindowSize(const AppData& d, WindowOps& windows, WindowSize size) {
    const int chosen = windowCodeOf(size);
    const int other = WindowCode::other(chosen);
    if (windows.isMainVisible(other))
        windows.hideMain(other);
    windows.showMain(chosen);
    if (d.settingsOpener.kind != AppData::SettingsOpener::Kind::None)
        windows.hideSettings();
}

void applyStartPage(WindowOps& windows, StartPage page) {
    const int preferred = page == StartPage::Calculation ? WindowCode::Small : WindowCode::Large;
    const int code = windows.isMainVisible(preferred) ? preferred : WindowCode::other(preferred);
    windows.switchPage(code, page);
}

std::optional<Message> saveOptions(const AppData& d, const WindowChoice& choice) {
    const QStringList lines{
        QStringLiteral("#  数字はすべて半角で入力してください"),
        QStringLiteral("#0 画面ウィンドウサイズ(1=サイズ小 : 2=サイズ大)"),
        choice.size == WindowSize::Small ? QStringLiteral("1") : QStringLiteral("2"),
        QStringLiteral("#1 起動時の計算機データ(1=仕事技術計算 : 2=キャラデータ)"),
        choice.page == StartPage::Calculation ? QStringLiteral("1") : QStringLiteral("2"),
    };
    const QString path = d.nativeDataPath(FileListEntry::Options);
    const FileResult written = d.staysHome(d.dataPath(FileListEntry::Options))
                                   ? writeLines(path, lines)
                                   : FileResult{false, notHome()};
    if (written.ok)
        return std::nullopt;
    return Message{path + QStringLiteral(" に起動設定を保存できませんでした\r\n") + written.error,
                   QStringLiteral("起動設定"), Dialogs::Icon::Exclamation};
}

}  // namespace wm
