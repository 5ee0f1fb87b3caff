// Every rule that reads the production data, on production data the input gives (its bytes
// after the header of a first work): the product fields a choice fills, the set materials,
// production totals and runs, the material tree and the product information texts.
#include "calculationrules.h"
#include "fuzzcommon.h"
#include "gamedata.h"
#include "materialtree.h"
#include "numbers.h"
#include "productinfo.h"
#include "production.h"

using namespace wm;

namespace {

const QByteArray kPrefix("#01 \x8e\xeb\x97\xc2\r\n");  // #01 狩猟

// Enough rows of each work for every rule to meet every kind of line, few enough to stay
// fast.
constexpr int kRowsPerWork = 4;

// The guild data of the sample, for the guild places of a work.
const GuildTable& sampleGuilds() {
    static AppData d;
    static const bool loaded = [] {
        QFile sample(QStringLiteral(WM_SAMPLE_DATA_DIR "/GuildData.txt"));
        if (!sample.open(QIODevice::ReadOnly))
            std::abort();
        wmfuzz::writeDataFile(QStringLiteral("GuildData.txt"), sample.readAll());
        wmfuzz::prepare(d);
        wmfuzz::SilentDialogs dialogs;
        loadGuilds(d, dialogs);
        return dialogs.messages == 0;
    }();
    FUZZ_CHECK(loaded);
    return d.guilds;
}

void materialTree(const ProductTable& products, int section, int row, qint64 runs) {
    const MaterialTree tree = buildMaterialTree(products, section, row, runs);
    if (!tree.error.isEmpty()) {
        FUZZ_CHECK(tree.nodes.empty());
        return;
    }
    FUZZ_CHECK(!tree.nodes.empty() && int(tree.nodes.size()) <= kMaxMaterialNodes);
    materialTreeText(tree);
    materialTotalsText(tree);
    for (const MaterialNode& node : tree.nodes)
        FUZZ_CHECK(materialNodeColumns(node).size() == materialTreeHeaders().size());
}

void production(AppData& d, int workPosition, int row, const ProductChoice& choice,
                const QString& product, const QString& runs) {
    ProductionInputs in;
    in.workPosition = workPosition;
    in.work = d.products.sectionName(workSection(workPosition));
    in.product = product;
    in.stepExp = choice.fields.exp.left(3);
    in.steps = choice.fields.exp.right(2);
    in.runs = runs;
    const int section = workSection(workPosition);
    const SetMaterialList set = setMaterialsOf(d.products, d.products.at(section, 4, row));
    for (size_t i = 0; i < in.setMaterials.size() && i < set.materials.size(); ++i)
        in.setMaterials[i] = set.materials[i];
    const ProductionOutcome totals = totalsForRuns(d, in);
    FUZZ_CHECK(!totals.problem || totals.append.isEmpty());
    // Without a needed experience there is nothing to reach; beyond 64 bits, a message.
    in.neededExp = row % 3 == 0 ? 0 : qint64(row) * (row % 3 == 1 ? 12345 : 4000000000000000000);
    const ProductionOutcome needed = runsNeeded(d, in);
    FUZZ_CHECK(!needed.problem || needed.append.isEmpty());
}

void information(const ProductTable& products, int workPosition, int row,
                 const ProductChoice& choice, const QString& product) {
    InfoInputs in;
    in.workPosition = workPosition;
    in.productPosition = row - 1;
    in.product = product;
    in.currentWeight = QStringLiteral("120");
    in.maximumWeight = QStringLiteral("3000");
    in.totalWeight = choice.fields.totalWeight;
    in.totalExp = choice.fields.totalExp;
    in.pieceWeight = choice.fields.weight;
    for (size_t i = 0; i < in.materials.size(); ++i)
        in.materials[i] = {choice.rows[i].workName, choice.rows[i].material, choice.rows[i].count};
    in.unknownMaterial = choice.unknownMaterial;
    materialInfoText(products, in);
    gatheringPlacesText(products, in);
    productInfoText(products, in);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = wmfuzz::bytesOf(data, size);
    AppData d;
    wmfuzz::loadProductBytes(d, kPrefix + input);
    const ProductTable& products = d.products;

    sectionNames(products, workSections());
    sectionNames(products, materialWorkSections());
    for (int workPosition = 0; workPosition < int(workSections().size()); ++workPosition) {
        const int section = workSection(workPosition);
        const QStringList names = sectionProducts(products, section, ProductTable::kRows);
        guildPlaces(sampleGuilds(), products.sectionName(section), workPosition % 2 == 0);
        for (int row = 1; row <= qMin(int(names.size()), kRowsPerWork); ++row) {
            const QString product = names.at(row - 1);
            productFieldsOf(products, section, row);
            materialPosition(products, product);
            const ProductChoice choice = chooseProduct(products, section, row, product, {});
            const QString runs =
                row == 4 ? QStringLiteral("9999999999999999999") : QString::number(row * 7 - 20);
            totalExpText(runs, choice.fields.exp);
            production(d, workPosition, row, choice, product, runs);
            information(products, workPosition, row, choice, product);
            materialTree(products, section, row, qMax(1, row - 3));
            const auto weight = intPart(choice.fields.weight);
            if (weight) {
                carriedPieces(2000, *weight, section);
                carriedRuns(2000, *weight, section, row % 4);
            }
        }
    }
    return 0;
}
