#include "options.h"

#include "cp932.h"
#include "numbers.h"

namespace wm {

namespace {

bool namesWindowSize(const QString& value) {
    const auto v = intPart(value);
    return v && (*v == 1 || *v == 2);
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
    if (!values || values->isEmpty() || !namesWindowSize(values->first())) {
        d.optionsMissing = 1;
        windows.showSettings();
        return;
    }
    // The page line switches the window the size line shows, whichever page it names.
    if (values->size() > 1) {
        const auto page = intPart(values->at(1));
        if (page && (*page == 1 || *page == 2))
            windows.openOnPage(int(*intPart(values->first())), int(*page));
    }
    for (int n = 0; n < values->size(); ++n)
        applyOption(d, windows, values->at(n), OptionLine(n));
}

void applyOption(AppData& d, WindowOps& windows, const QString& value, OptionLine line) {
    const auto v = intPart(value);
    if (!v || (*v != 1 && *v != 2))
        return;
    const int chosen = int(*v);
    const int other = 3 - chosen;
    if (line == OptionLine::WindowSize) {
        if (windows.isMainVisible(other))
            windows.hideMain(other);
        windows.showMain(chosen);
        if (d.settingsOpener != 0)
            windows.hideSettings();
    } else if (line == OptionLine::Page) {
        // Page 1 prefers the small window, page 2 the large one, whichever is visible.
        const int code = windows.isMainVisible(chosen) ? chosen : other;
        windows.switchPage(code, chosen);
    }
}

bool saveOptions(const AppData& d, Dialogs& dialogs, int code) {
    const QString digits = QString::number(code);
    const QStringList lines{
        QStringLiteral("#  数字はすべて半角で入力してください"),
        QStringLiteral("#0 画面ウィンドウサイズ(1=サイズ小 : 2=サイズ大)"),
        digits.right(1),
        QStringLiteral("#1 起動時の計算機データ(1=仕事技術計算 : 2=キャラデータ)"),
        digits.left(1),
    };
    const QString path = d.nativeDataPath(FileListEntry::Options);
    const FileResult written = d.staysHome(d.dataPath(FileListEntry::Options))
                                   ? writeLines(path, lines)
                                   : FileResult{false, notHome()};
    if (written.ok)
        return true;
    dialogs.messageBox(
        path + QStringLiteral(" に起動設定を保存できませんでした\r\n") + written.error,
        QStringLiteral("起動設定"), Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
    return false;
}

}  // namespace wm
