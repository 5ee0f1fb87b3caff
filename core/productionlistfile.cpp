#include "productionlistfile.h"

#include <QFileInfo>
#include <QRegularExpression>

#include "cp932.h"
#include "numbers.h"
#include "textrules.h"

namespace wm {

namespace {

const QString kRowKey = QStringLiteral("生産");
const QString kHeldKey = QStringLiteral("手持ち");
const QString kMaximumKey = QStringLiteral("最大重量");
const QString kCurrentKey = QStringLiteral("現在重量");

// The digits of the largest 64-bit count.
constexpr int kMaxDigits = 19;

const QStringList& headerLines() {
    static const QStringList lines{
        QStringLiteral("# Wendmoorツール 生産リスト"),
        QStringLiteral(
            "# 「#」で始まる行と空行は読み飛ばします。項目はタブか半角空白で区切ります。"),
        QStringLiteral("# 生産 生産品名 回数 作業名(省略可)"),
        QStringLiteral("# 手持ち 材料名 個数"),
        QStringLiteral("# 最大重量 数 / 現在重量 数"),
    };
    return lines;
}

std::optional<qint64> count(const QString& text) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,%1}$").arg(kMaxDigits));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

// What is wrong with one line; "" when it was taken into list.
QString readLine(const QString& line, ProductionList& list) {
    static const QRegularExpression separators(QStringLiteral("[\t ]+"));
    const QStringList fields = line.split(separators, Qt::SkipEmptyParts);
    const QString& key = fields.first();
    const QString notCount = QStringLiteral("「%1」は個数ではありません（半角数字、%2 桁まで）");
    auto fieldCount = [&](int least, int most) {
        if (fields.size() >= least && fields.size() <= most)
            return QString();
        return QStringLiteral("%1 の行の項目は %2 個です").arg(key).arg(most);
    };
    if (key == kRowKey || key == kHeldKey) {
        const bool row = key == kRowKey;
        QString problem = row ? fieldCount(3, 4) : fieldCount(3, 3);
        if (!problem.isEmpty())
            return row ? QStringLiteral("生産の行は「生産 生産品名 回数 作業名」です") : problem;
        const auto pieces = count(fields[2]);
        if (!pieces)
            return notCount.arg(fields[2]).arg(kMaxDigits);
        if (row)
            list.rows.push_back({fields[1], *pieces, fields.value(3)});
        else
            list.held.push_back({fields[1], *pieces});
        return QString();
    }
    if (key == kMaximumKey || key == kCurrentKey) {
        QString problem = fieldCount(2, 2);
        if (!problem.isEmpty())
            return problem;
        const auto weight = count(fields[1]);
        if (!weight)
            return notCount.arg(fields[1]).arg(kMaxDigits);
        (key == kMaximumKey ? list.maximumWeight : list.currentWeight) = weight;
        return QString();
    }
    return QStringLiteral("「%1」で始まる行は読めません（生産、手持ち、最大重量、現在重量）")
        .arg(key);
}

// A name the reader would read back as it is: the reader refuses a line with the character
// a bad byte of the data became, and trims the space that ends a line.
bool writableName(const QString& name) {
    static const QRegularExpression separator(QStringLiteral("[\t \r\n\\x{1A}]"));
    return !name.isEmpty() && !name.contains(separator) && !name.startsWith(QLatin1Char('#')) &&
           name.trimmed() == name;
}

}  // namespace

ProductionListRead readProductionList(const QString& nativePath) {
    ProductionListRead result;
    if (!QFileInfo::exists(nativePath)) {
        result.missing = true;
        result.error = QStringLiteral("ファイルがありません");
        return result;
    }
    const ReadResult file = readTextLines(nativePath);
    if (!file.ok) {
        result.error = file.error;
        return result;
    }
    for (int i = 0; i < file.lines.size(); ++i) {
        // The reader keeps what it can of a bad byte; a list is better refused than guessed.
        if (file.lines[i].contains(QChar(0x1A))) {
            result.list = ProductionList();
            result.error = QStringLiteral("%1 行目を Shift_JIS として読めません").arg(i + 1);
            return result;
        }
        const QString line = file.lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QString problem = readLine(line, result.list);
        if (!problem.isEmpty()) {
            result.list = ProductionList();
            result.error = QStringLiteral("%1 行目: %2").arg(i + 1).arg(problem);
            return result;
        }
    }
    result.ok = true;
    return result;
}

QString productionListFileText(const ProductionList& list, QString* problem) {
    QStringList lines = headerLines();
    auto bad = [problem](const QString& what) {
        if (problem)
            *problem = what;
        return QString();
    };
    for (const ListRow& row : list.rows) {
        if (!writableName(row.product) || (!row.work.isEmpty() && !writableName(row.work)))
            return bad(QStringLiteral("「%1」はリストに書けない名前です").arg(row.product));
        if (row.runs < 0)
            return bad(QStringLiteral("%1 の回数が負の数です").arg(row.product));
        QStringList fields{kRowKey, row.product, numText(row.runs)};
        if (!row.work.isEmpty())
            fields << row.work;
        lines << tabLine(fields);
    }
    for (const HeldPieces& h : list.held) {
        if (!writableName(h.name))
            return bad(QStringLiteral("「%1」はリストに書けない名前です").arg(h.name));
        if (h.pieces < 0)
            return bad(QStringLiteral("%1 の手持ちが負の数です").arg(h.name));
        lines << tabLine({kHeldKey, h.name, numText(h.pieces)});
    }
    for (const auto& [key, weight] :
         {std::pair{kMaximumKey, list.maximumWeight}, std::pair{kCurrentKey, list.currentWeight}}) {
        if (!weight)
            continue;
        if (*weight < 0)
            return bad(QStringLiteral("%1 が負の数です").arg(key));
        lines << tabLine({key, numText(*weight)});
    }
    return crlfText(lines);
}

FileResult writeProductionList(const QString& nativePath, const ProductionList& list) {
    QString problem;
    const QString text = productionListFileText(list, &problem);
    if (text.isEmpty())
        return {false, problem};
    return writeTextFile(nativePath, text);
}

}  // namespace wm
