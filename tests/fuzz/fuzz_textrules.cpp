// The text rules that take product fields and material entries apart, over one decoded
// line, with the sample production data loaded for the weights.
#include "fuzzcommon.h"
#include "gamedata.h"
#include "numbers.h"
#include "production.h"
#include "textrules.h"

using namespace wm;

namespace {

const AppData& sampleData() {
    static AppData d;
    static const bool loaded = [] {
        QFile sample(QStringLiteral(WM_SAMPLE_DATA_DIR "/MakeData.txt"));
        if (!sample.open(QIODevice::ReadOnly))
            std::abort();
        wmfuzz::writeDataFile(QStringLiteral("MakeData.txt"), sample.readAll());
        wmfuzz::prepare(d);
        wmfuzz::SilentDialogs dialogs;
        loadProducts(d, dialogs);
        return dialogs.messages == 0;
    }();
    FUZZ_CHECK(loaded);
    return d;
}

QString withoutBlanks(QString text) {
    return text.remove(QLatin1Char(' '));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString line = decodeCp932(wmfuzz::bytesOf(data, size));
    const QChar blank(QLatin1Char(' '));

    // Splitting drops blanks and nothing else; a limited split agrees with the full one.
    const QStringList fields = splitFields(line, blank, true);
    FUZZ_CHECK(!fields.isEmpty());
    FUZZ_CHECK(withoutBlanks(fields.join(QString())) == withoutBlanks(line));
    FUZZ_CHECK(splitFields(line, blank, false).last() == lastField(line, blank));
    const QStringList limited = splitFields(line, blank, true, 6);
    FUZZ_CHECK(limited.size() == qMin(fields.size(), qsizetype(6)));
    for (qsizetype i = 0; i + 1 < limited.size(); ++i)
        FUZZ_CHECK(limited.at(i) == fields.at(i));
    FUZZ_CHECK(cutToBytes(line, 10).size() <= line.size());
    FUZZ_CHECK(byteLength(cutToBytes(line, 10)) <= 10);

    // Material entries: at most three, each named from the field, the total their sum.
    AppData d = sampleData();
    const SetMaterialList list = setMaterialsOf(d.products, line);
    const QString& text = list.text;
    qint64 sum = 0;
    bool unknown = false;
    for (const SetMaterial& material : list.materials) {
        FUZZ_CHECK(line.contains(material.name));
        sum += material.weight.toLongLong();
        unknown = unknown || material.unknown;
    }
    // A material found nowhere leaves the total unknown rather than too small.
    const qsizetype at = text.indexOf(QStringLiteral("材料の合計重量 ： "));
    if (at >= 0)
        FUZZ_CHECK(text.mid(at).endsWith(unknown ? kUnknownWeight : numText(sum)));
    const QString found = productField(d.products, line, 3);
    FUZZ_CHECK(found.isEmpty() || !productField(d.products, line, 1).isEmpty());
    return 0;
}
