#include <QTest>

#include "calculationrules.h"
#include "productinfo.h"
#include "testmain.h"
#include "windowcode.h"

using namespace wm;

Q_DECLARE_METATYPE(wm::LevelBox)
Q_DECLARE_METATYPE(wm::LevelEnter)

class CalculationRulesTest : public QObject {
    Q_OBJECT
  private slots:
    void workListSkipsNecklaces();
    void productFields_data();
    void productFields();
    void runExperience_data();
    void runExperience();
    void dataLocks_data();
    void dataLocks();
    void levelEnter_data();
    void levelEnter();
    void listLengthAndTip();
};

void CalculationRulesTest::workListSkipsNecklaces() {
    ProductTable products;
    for (int s = 1; s <= ProductTable::kSections; ++s)
        products.set(s, ProductColumn::Name, 0, QStringLiteral("作業%1").arg(s));
    const QStringList entries = sectionNames(products, workSections());
    QCOMPARE(entries.size(), 30);
    QCOMPARE(entries.at(27), QStringLiteral("作業28"));
    QCOMPARE(entries.at(28), QStringLiteral("作業30"));
    QCOMPARE(entries.last(), QStringLiteral("作業31"));
    // Every entry stands for the section workSection names.
    for (int position = 0; position < entries.size(); ++position)
        QCOMPARE(entries.at(position), products.sectionName(workSection(position)));
}

void CalculationRulesTest::productFields_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expAndSteps");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("stepExp");
    QTest::addColumn<QString>("steps");
    QTest::newRow("leading zeros") << "010:鉄の剣"
                                   << "005:03"
                                   << "10"
                                   << "5"
                                   << "3";
    QTest::newRow("zero step exp") << "001:板材"
                                   << "000:01"
                                   << "1"
                                   << "0"
                                   << "1";
    QTest::newRow("no numbers") << "abc:謎"
                                << "xyz:zz"
                                << ""
                                << ""
                                << "";
    QTest::newRow("empty exp field") << "005:石"
                                     << ""
                                     << "5"
                                     << ""
                                     << "";
}

void CalculationRulesTest::productFields() {
    QFETCH(QString, name);
    QFETCH(QString, expAndSteps);
    ProductTable products;
    products.set(9, ProductColumn::Name, 3, name);
    products.set(9, ProductColumn::ExpAndSteps, 3, expAndSteps);
    const ProductStepFields fields = productFieldsOf(products, 9, 3);
    QTEST(fields.level, "level");
    QTEST(fields.stepExp, "stepExp");
    QTEST(fields.steps, "steps");
}

void CalculationRulesTest::runExperience_data() {
    QTest::addColumn<QString>("stepExp");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("runExp");
    QTest::newRow("both numbers") << "5"
                                  << "3"
                                  << "15";
    QTest::newRow("fractions") << "2.5"
                               << "3"
                               << "7.5";
    QTest::newRow("steps empty") << "5"
                                 << ""
                                 << "0";
    QTest::newRow("step exp empty") << ""
                                    << "3"
                                    << "0";
    QTest::newRow("not a number") << "x"
                                  << "3"
                                  << "0";
    QTest::newRow("both empty") << ""
                                << ""
                                << "";
}

void CalculationRulesTest::runExperience() {
    QFETCH(QString, stepExp);
    QFETCH(QString, steps);
    QTEST(runExpText(stepExp, steps), "runExp");
}

void CalculationRulesTest::dataLocks_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("locked");  // -1 unchanged, 0 open, 1 protected
    QTest::newRow("a value") << "5" << 1;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("zero with fraction") << "0.0" << 0;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("text") << "a" << -1;
}

void CalculationRulesTest::dataLocks() {
    QFETCH(QString, text);
    QFETCH(int, locked);
    const std::optional<bool> rule = lockedByData(text);
    QCOMPARE(rule.has_value(), locked >= 0);
    if (rule)
        QCOMPARE(int(*rule), locked);
}

void CalculationRulesTest::levelEnter_data() {
    QTest::addColumn<LevelBox>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<LevelEnter>("step");
    QTest::newRow("start 299") << LevelBox::Start << "299" << LevelEnter::MoveOn;
    QTest::newRow("start 300") << LevelBox::Start << "300" << LevelEnter::Reselect;
    QTest::newRow("start 1") << LevelBox::Start << "1" << LevelEnter::MoveOn;
    QTest::newRow("start empty") << LevelBox::Start << "" << LevelEnter::Ignore;
    QTest::newRow("target 300") << LevelBox::Target << "300" << LevelEnter::MoveOn;
    QTest::newRow("target 301") << LevelBox::Target << "301" << LevelEnter::Reselect;
    QTest::newRow("target empty") << LevelBox::Target << "" << LevelEnter::Ignore;
}

void CalculationRulesTest::levelEnter() {
    QFETCH(LevelBox, box);
    QFETCH(QString, text);
    QTEST(wm::levelEnter(box, text), "step");
}

void CalculationRulesTest::listLengthAndTip() {
    QCOMPARE(expListLevels(WindowCode::Small), 199);
    QCOMPARE(expListLevels(WindowCode::Large), 299);
    QCOMPARE(productLabelTip(QString()), QStringLiteral("生産品名を選択します"));
    QCOMPARE(productLabelTip(QStringLiteral("製材")),
             QStringLiteral("製材の中から作業を選んでください"));
}

WM_TEST_MAIN(CalculationRulesTest)
#include "tst_calculationrules.moc"
