#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "childwidget.h"
#include "clicks.h"
#include "gamedata.h"
#include "productcontrols.h"
#include "productfixture.h"
#include "productwindow.h"
#include "productwindowtest.h"
#include "scripteddialogs.h"
#include "testfolder.h"
#include "testmain.h"
#include "widgets.h"

using wm::ProductWindow;
using wmtest::items;

class TestProductWindow : public wmtest::ProductWindowTest {
    Q_OBJECT

  private:
    // The second product of the ingot section, with its first column, steps and weight, made
    // the one material of 短剣 (one per run).
    void daggerNeeds(const QString& nameField, const QString& stepsField, const QString& weight) {
        data_->products.set(10, 1, 2, nameField);
        data_->products.set(10, 2, 2, stepsField);
        data_->products.set(10, 3, 2, weight);
        data_->products.set(10, 4, 2, QStringLiteral("00"));
        data_->products.set(13, 4, 2, QStringLiteral("01") + nameField.mid(4));
    }

    void chooseWork(int pos) { wm::chooseEntry(ui().workList, pos); }
    void chooseProduct(const QString& name) {
        const int i = ui().productList->findText(name);
        QVERIFY2(i >= 0, qPrintable(name));
        wm::chooseEntry(ui().productList, i);
    }
    void setWeights(int current, int maximum) {
        ui().weights.current->setText(QString::number(current));
        ui().weights.maximum->setText(QString::number(maximum));
    }
    QString info() { return ui().infoBox->toPlainText(); }
    void showAndActivate() {
        w().show();
        w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(win_.data()));
    }

  private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    void loadState() {
        QCOMPARE(w().windowTitle(), QStringLiteral("生産品の簡易表示　Ver.0.2.6"));
        QVERIFY(w().width() >= 409 && w().height() >= 536);
        QVERIFY(ui().guildPanel.guildOption->isChecked());
        QVERIFY(ui().guildPanel.conditionCaption->isHidden());
        QVERIFY(ui().guildPanel.condition->isHidden());
        QVERIFY(ui().modes.materials->isChecked());
        QCOMPARE(ui().modes.materials->text(), QStringLiteral("材料"));
        QCOMPARE(ui().weights.current->text(), QStringLiteral("0"));
        QCOMPARE(ui().weights.maximum->text(), QStringLiteral("1000"));
        QCOMPARE(ui().workList->count(), 30);
        QCOMPARE(ui().workList->currentIndex(), -1);
        QCOMPARE(ui().workList->currentText(), QString());
        QCOMPARE(ui().workList->itemText(27), QStringLiteral("作業28"));
        QCOMPARE(ui().workList->itemText(28), QStringLiteral("作業30"));
        for (int k = 1; k <= 3; ++k) {
            QCOMPARE(items(ui().materials[k - 1].workList),
                     (QStringList{"狩猟", "木こり", "釣り", "農作業", "ハーブ採り", "鉱石掘り",
                                  "製材", "精錬作業", "裁縫作業専門", "革細工", "素材32"}));
            QCOMPARE(ui().materials[k - 1].workList->currentIndex(), -1);
        }
        for (const char* box : {"totalWeightBox", "totalExpBox", "materialWeightBox1",
                                "materialWeightBox2", "materialWeightBox3"})
            QVERIFY(wmtest::child<QLineEdit>(&w(), box)->isReadOnly());
        for (const char* box : {"levelBox", "expBox", "runsBox", "weightBox", "materialCountBox1",
                                "materialCountBox2", "materialCountBox3", "materialLevelBox1",
                                "materialLevelBox2", "materialLevelBox3"})
            QVERIFY(!wmtest::child<QLineEdit>(&w(), box)->isReadOnly());
        QVERIFY(ui().guildPanel.building->isReadOnly() && ui().guildPanel.person->isReadOnly() &&
                ui().guildPanel.condition->isReadOnly());
        QVERIFY(!ui().infoBox->isReadOnly());
    }

    void workPositions_data() {
        QTest::addColumn<int>("pos");
        QTest::addColumn<QString>("firstProduct");
        QTest::addColumn<QString>("optionCaption");
        QTest::newRow("0 hunting") << 0 << "ウサギの肉"
                                   << "採取場所";
        QTest::newRow("3 farming") << 3 << "糸"
                                   << "採取場所";
        QTest::newRow("5 mining") << 5 << "鉄鉱石"
                                  << "採取場所";
        QTest::newRow("6 medicine") << 6 << "傷薬"
                                    << "材料";
        QTest::newRow("11 leather") << 11 << "皮"
                                    << "材料";
        QTest::newRow("27 section 28") << 27 << "品28"
                                       << "材料";
        QTest::newRow("28 section 30") << 28 << "品30"
                                       << "材料";
        QTest::newRow("29 section 31") << 29 << "品31"
                                       << "材料";
    }
    void workPositions() {
        QFETCH(int, pos);
        QFETCH(QString, firstProduct);
        QFETCH(QString, optionCaption);
        chooseWork(pos);
        QCOMPARE(ui().modes.materials->text(), optionCaption);
        QCOMPARE(ui().productList->itemText(0), QStringLiteral("？？？"));
        QCOMPARE(ui().productList->itemText(1), firstProduct);
        QCOMPARE(ui().productList->currentIndex(), -1);
        QCOMPARE(ui().productList->currentText(), QString());
    }

    void materialWorkPositions_data() {
        QTest::addColumn<int>("pos");
        QTest::addColumn<QString>("firstMaterial");
        QTest::newRow("0 section 1") << 0 << "ウサギの肉";
        QTest::newRow("5 section 6") << 5 << "鉄鉱石";
        QTest::newRow("6 section 9") << 6 << "板";
        QTest::newRow("7 section 10") << 7 << "鉄";
        QTest::newRow("8 section 11") << 8 << "布";
        QTest::newRow("9 section 12") << 9 << "皮";
        QTest::newRow("10 section 32") << 10 << "魔石";
    }
    void materialWorkPositions() {
        QFETCH(int, pos);
        QFETCH(QString, firstMaterial);
        for (int k = 1; k <= 3; ++k) {
            ui().materials[k - 1].level->setText(QStringLiteral("99"));
            wm::chooseEntry(ui().materials[k - 1].workList, pos);
            QCOMPARE(ui().materials[k - 1].nameList->itemText(0), firstMaterial);
            QCOMPARE(ui().materials[k - 1].nameList->currentIndex(), -1);
            QCOMPARE(ui().materials[k - 1].level->text(),
                     QString());  // a new work empties the level
        }
    }

    void eightyProductsSeventyMaterials() {
        chooseWork(2);
        QCOMPARE(ui().productList->count(), 81);
        QCOMPARE(ui().productList->itemText(80), QStringLiteral("魚80"));
        wm::chooseEntry(ui().materials[0].workList, 2);
        QCOMPARE(ui().materials[0].nameList->count(), 70);
        QCOMPARE(ui().materials[0].nameList->itemText(69), QStringLiteral("魚70"));
        // Choosing a material shows its level.
        wm::chooseEntry(ui().materials[0].nameList, 4);
        QCOMPARE(ui().materials[0].level->text(), QStringLiteral("5"));
    }

    void guildSectionsSharingAWorkName() {
        chooseWork(0);
        QCOMPARE(items(ui().guildPanel.placeList), (QStringList{"森村", "王都"}));
        QCOMPARE(ui().guildPanel.placeList->currentIndex(), 0);
        // Each place shows its own building and person, whichever section it came from.
        QCOMPARE(ui().guildPanel.building->text(), QStringLiteral("狩猟ギルド"));
        QCOMPARE(ui().guildPanel.person->text(), QStringLiteral("オルガ"));
        wm::chooseEntry(ui().guildPanel.placeList, 1);
        QCOMPARE(ui().guildPanel.building->text(), QStringLiteral("第二ギルド"));
        QCOMPARE(ui().guildPanel.person->text(), QStringLiteral("ベン"));
        wm::chooseEntry(ui().guildPanel.placeList, 0);
        QCOMPARE(ui().guildPanel.building->text(), QStringLiteral("狩猟ギルド"));
        QCOMPARE(ui().guildPanel.person->text(), QStringLiteral("オルガ"));
        // A work without a guild section shows an empty list and empty fields.
        chooseWork(1);
        QCOMPARE(ui().guildPanel.placeList->count(), 0);
        QCOMPARE(ui().guildPanel.building->text(), QString());
        QCOMPARE(ui().guildPanel.person->text(), QString());
        // An empty guild entry ends the scan: the second 狩猟 section is not read, and
        // nothing of the work before stays.
        chooseWork(3);
        QCOMPARE(ui().guildPanel.building->text(), QStringLiteral("農業ギルド"));
        data_->guilds.set(1, 2, 1, QString());
        chooseWork(0);
        QCOMPARE(ui().guildPanel.placeList->count(), 0);
        QCOMPARE(ui().guildPanel.building->text(), QString());
        QCOMPARE(ui().guildPanel.person->text(), QString());
    }

    void learningPlacesFromEverySection() {
        showAndActivate();
        chooseWork(0);
        wmtest::clickIndicator(ui().guildPanel.learningOption);
        QVERIFY(ui().guildPanel.learningOption->isChecked());
        QVERIFY(ui().guildPanel.conditionCaption->isVisible());
        QVERIFY(ui().guildPanel.condition->isVisible());
        QCOMPARE(items(ui().guildPanel.placeList), (QStringList{"森村", "港町", "雪村"}));
        QCOMPARE(ui().guildPanel.building->text(), QStringLiteral("狩人小屋"));
        QCOMPARE(ui().guildPanel.person->text(), QStringLiteral("ハンス"));
        QCOMPARE(ui().guildPanel.condition->text(), QStringLiteral("条件1"));
        // 雪村 comes from the second section: its details and condition are read there.
        wm::chooseEntry(ui().guildPanel.placeList, 2);
        QCOMPARE(ui().guildPanel.building->text(), QStringLiteral("氷小屋"));
        QCOMPARE(ui().guildPanel.person->text(), QStringLiteral("ユキ"));
        QCOMPARE(ui().guildPanel.condition->text(), QStringLiteral("条件2"));
        wm::chooseEntry(ui().guildPanel.placeList, 1);
        QCOMPARE(ui().guildPanel.building->text(), QStringLiteral("酒場"));
        QCOMPARE(ui().guildPanel.person->text(), QStringLiteral("ガント"));
        QCOMPARE(ui().guildPanel.condition->text(), QStringLiteral("条件1"));

        wmtest::clickIndicator(ui().guildPanel.guildOption);
        QVERIFY(ui().guildPanel.conditionCaption->isHidden());
        QVERIFY(ui().guildPanel.condition->isHidden());
        QCOMPARE(ui().guildPanel.condition->text(), QString());
        QCOMPARE(items(ui().guildPanel.placeList), (QStringList{"森村", "王都"}));
    }

    void entriesWithAndWithoutDots_data() {
        QTest::addColumn<int>("work");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("building");
        QTest::addColumn<QString>("person");
        QTest::newRow("guild without dot") << 2 << 1 << "港町"
                                           << ""
                                           << "";
        QTest::newRow("extra dots stay with the person") << 2 << 2 << "港町"
                                                         << "漁師小屋"
                                                         << "ロイ.二代目";
        QTest::newRow("learning without dot") << 3 << 2 << "畑"
                                              << ""
                                              << "";
        QTest::newRow("guild with dots") << 3 << 1 << "王都"
                                         << "農業ギルド"
                                         << "トム";
    }
    void entriesWithAndWithoutDots() {
        QFETCH(int, work);
        QFETCH(int, mode);
        QFETCH(QString, place);
        QFETCH(QString, building);
        QFETCH(QString, person);
        showAndActivate();
        chooseWork(work);
        wmtest::clickIndicator(mode == 2 ? ui().guildPanel.learningOption
                                         : ui().guildPanel.guildOption);
        QCOMPARE(ui().guildPanel.placeList->currentText(), place);
        QCOMPARE(ui().guildPanel.building->text(), building);
        QCOMPARE(ui().guildPanel.person->text(), person);
    }

    void digitLimits_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("full");
        QTest::newRow("level") << "levelBox"
                               << "123";
        QTest::newRow("material count") << "materialCountBox1"
                                        << "999";
        QTest::newRow("current weight") << "currentWeightBox"
                                        << "12345";
        QTest::newRow("maximum weight") << "maximumWeightBox"
                                        << "54321";
    }
    void digitLimits() {
        QFETCH(QString, box);
        QFETCH(QString, full);
        showAndActivate();
        QLineEdit* e = wmtest::child<QLineEdit>(&w(), box);
        e->setFocus();
        e->clear();
        QTest::keyClicks(e, QStringLiteral("a-") + full + QStringLiteral("7"));
        QCOMPARE(e->text(), full);  // letters, signs and the extra digit are refused
        e->selectAll();
        QTest::keyClicks(e, QStringLiteral("8"));
        QCOMPARE(e->text(), QStringLiteral("8"));
        QTest::keyClick(e, Qt::Key_Backspace);
        QCOMPARE(e->text(), QString());
    }

    void enterRecalculatesTotalAndMovesOn() {
        showAndActivate();
        ui().expBox->setText(QStringLiteral("10"));
        ui().runsBox->setText(QStringLiteral("3"));
        ui().expBox->setFocus();
        QTest::keyClick(ui().expBox, Qt::Key_Return);
        QCOMPARE(ui().totalExpBox->text(), QStringLiteral("30"));
        QCOMPARE(QApplication::focusWidget(), ui().runsBox);
        // The total is a display field: moving on skips it.
        QTest::keyClick(ui().runsBox, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), ui().weightBox);
        // Not a number: nothing is recalculated, the focus still moves.
        ui().expBox->clear();
        ui().runsBox->setText(QStringLiteral("7"));
        ui().runsBox->setFocus();
        QTest::keyClick(ui().runsBox, Qt::Key_Return);
        QCOMPARE(ui().totalExpBox->text(), QStringLiteral("30"));
    }

    void moveOnFollowsTabStops() {
        // An option group is one stop: its selected button.
        showAndActivate();
        QList<QWidget*> expected{ui().workList,
                                 ui().productList,
                                 ui().levelBox,
                                 ui().expBox,
                                 ui().runsBox,
                                 ui().weightBox,
                                 ui().materials[0].workList,
                                 ui().materials[0].nameList,
                                 ui().materials[0].count,
                                 ui().materials[1].workList,
                                 ui().materials[1].nameList,
                                 ui().materials[1].count,
                                 ui().materials[2].workList,
                                 ui().materials[2].nameList,
                                 ui().materials[2].count,
                                 ui().weights.current,
                                 ui().weights.maximum,
                                 ui().modes.materials,
                                 ui().guildPanel.guildOption,
                                 ui().guildPanel.placeList,
                                 ui().workList};
        // 材料の内訳 and リストに追加 come last, before the round starts again.
        expected.insert(expected.size() - 1, w().findChild<QPushButton*>("materialTreeButton"));
        expected.insert(expected.size() - 1, w().findChild<QPushButton*>("addToListButton"));
        ui().workList->setFocus();
        QList<QWidget*> seen{QApplication::focusWidget()};
        for (int i = 1; i < expected.size(); ++i) {
            QVERIFY(wm::focusNextControl(QApplication::focusWidget()));
            seen << QApplication::focusWidget();
        }
        QCOMPARE(seen, expected);
    }

    void focusSelectsWholeText() {
        showAndActivate();
        ui().expBox->setText(QStringLiteral("123"));
        ui().weights.maximum->setFocus();
        ui().expBox->setFocus();
        QTRY_COMPARE(ui().expBox->selectedText(), QStringLiteral("123"));
        QTest::mouseClick(ui().weights.maximum, Qt::LeftButton);
        QTRY_COMPARE(ui().weights.maximum->selectedText(), QStringLiteral("1000"));
    }

    void listKeys() {
        showAndActivate();
        ui().workList->setFocus();
        QTest::keyClicks(ui().workList, QStringLiteral("ab"));
        QCOMPARE(ui().workList->currentText(), QString());
        QTest::keyClick(ui().workList, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), ui().productList);
        // The product list takes typing, which is not a choice.
        chooseWork(6);
        ui().productList->setFocus();
        QTest::keyClicks(ui().productList, QStringLiteral("xy"));
        QCOMPARE(ui().productList->currentText(), QStringLiteral("xy"));
        QCOMPARE(ui().levelBox->text(), QString());
        // Not even a typed name that matches an entry, when the focus moves on.
        ui().productList->lineEdit()->setText(QStringLiteral("傷薬"));
        QTest::keyClick(ui().productList, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), ui().levelBox);
        QCOMPARE(ui().productList->currentIndex(), -1);
        QCOMPARE(ui().levelBox->text(), QString());
        // Down is a user's choice of the next entry.
        ui().workList->setFocus();
        QTest::keyClick(ui().workList, Qt::Key_Down);
        QCOMPARE(ui().productList->itemText(1), QStringLiteral("焼き肉"));
    }

    void unknownProductAfterWork_data() {
        QTest::addColumn<int>("work");
        QTest::addColumn<bool>("productMode");
        QTest::addColumn<QString>("text");
        QTest::newRow("medicine, materials") << 6 << false << "";
        QTest::newRow("medicine, product")
            << 6 << true << "？？？ を 0 持てます\n残り重量は 1000 です\n  ";
        QTest::newRow("food, product")
            << 7 << true << "？？？ を 0 持てます\n残り重量は 1000 です\n  ";
        QTest::newRow("smelting, materials") << 9 << false << "";
        QTest::newRow("smelting, product")
            << 9 << true << "？？？ を 0 持てます\n残り重量は 1000 です";
    }
    void unknownProductAfterWork() {
        QFETCH(int, work);
        QFETCH(bool, productMode);
        QFETCH(QString, text);
        (productMode ? ui().modes.products : ui().modes.materials)->setChecked(true);
        // A product before: its rows must not survive the work choice.
        chooseWork(12);
        chooseProduct(QStringLiteral("剣"));
        chooseWork(work);
        wm::chooseEntry(ui().productList, 0);
        for (const char* box :
             {"levelBox", "expBox", "runsBox", "weightBox", "materialCountBox1",
              "materialCountBox2", "materialCountBox3", "totalWeightBox", "totalExpBox"})
            QCOMPARE(wmtest::child<QLineEdit>(&w(), box)->text(), QStringLiteral("0"));
        for (int k = 1; k <= 3; ++k) {
            QVERIFY(!ui().materials[k - 1].workList->isHidden());
            QCOMPARE(ui().materials[k - 1].workList->currentText(), QString());
            QCOMPARE(ui().materials[k - 1].nameList->currentText(), QString());
            QCOMPARE(ui().materials[k - 1].nameList->count(), 0);
            QCOMPARE(ui().materials[k - 1].level->text(), QString());
            QCOMPARE(ui().materials[k - 1].weight->text(), QString());
        }
        QCOMPARE(info(), text);
    }

    void oneMaterialWithCurrentAboveMaximum() {
        chooseWork(12);
        chooseProduct(QStringLiteral("剣"));  // three rows shown first
        setWeights(1110, 1000);
        chooseWork(9);
        chooseProduct(QStringLiteral("鉄"));
        QCOMPARE(ui().levelBox->text(), QStringLiteral("10"));
        QCOMPARE(ui().expBox->text(), QStringLiteral("15"));
        QCOMPARE(ui().runsBox->text(), QStringLiteral("2"));
        QCOMPARE(ui().weightBox->text(), QStringLiteral("20"));
        QCOMPARE(ui().totalExpBox->text(), QStringLiteral("30"));
        QCOMPARE(ui().materials[0].workList->currentText(), QStringLiteral("鉱石掘り"));
        QCOMPARE(ui().materials[0].level->text(), QStringLiteral("8"));
        QCOMPARE(ui().materials[0].nameList->currentText(), QStringLiteral("鉄鉱石"));
        QCOMPARE(ui().materials[0].count->text(), QStringLiteral("2"));
        QCOMPARE(ui().materials[0].weight->text(), QStringLiteral("20"));
        QCOMPARE(ui().weights.total->text(), QStringLiteral("20"));
        for (int k = 2; k <= 3; ++k) {
            QVERIFY(ui().materials[k - 1].workList->isHidden());
            QVERIFY(ui().materials[k - 1].nameList->isHidden());
            QVERIFY(ui().materials[k - 1].count->isHidden());
            QVERIFY(ui().materials[k - 1].level->isHidden());
            QVERIFY(ui().materials[k - 1].weight->isHidden());
            QCOMPARE(ui().materials[k - 1].nameList->currentText(), QString());
            QCOMPARE(ui().materials[k - 1].count->text(), QString());
        }
        // Free weight -110: nothing fits, and no count is negative.
        QCOMPARE(info(), QStringLiteral("現在重量が最大重量を超えているため、持てません"));
        wmtest::clickIndicator(ui().modes.products);
        QCOMPARE(info(), QStringLiteral("現在重量が最大重量を超えているため、持てません"));
    }

    void runsAndCounts_data() {
        QTest::addColumn<int>("work");
        QTest::addColumn<QString>("product");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<bool>("productMode");
        QTest::addColumn<QString>("text");
        QTest::newRow("three materials: 38 runs")
            << 12 << "剣" << 5500 << false
            << "精錬作業   010 の 鉄 を 76\n木こり     010 の 木材 を 38\n"
               "革細工     005 の 皮 を 38\n剣 を 38 回分作れます\n"
               "剣 を 38 回分の経験値 19000\n残り重量は 3410 です";
        QTest::newRow("one material: 40 runs")
            << 12 << "短剣" << 2000 << false
            << "精錬作業   010 の 鉄 を 40\n短剣 を 40 回分作れます\n"
               "短剣 を 40 回分の経験値 6000\n残り重量は 1200 です";
        QTest::newRow("product count capped at 40")
            << 12 << "剣" << 5500 << true << "剣 を 40 持てます\n残り重量は 4300 です";
        QTest::newRow("12-byte work name, no padding")
            << 14 << "外套" << 100 << false
            << "裁縫作業専門010 の 布 を 50\n外套 を 25 回分作れます\n"
               "外套 を 25 回分の経験値 1500\n残り重量は 0 です";
        QTest::newRow("below section 13 no cap")
            << 10 << "布" << 1000 << false
            << "農作業     001 の 糸 を 1000\n布 を 500 回分作れます\n"
               "布 を 500 回分の経験値 10000\n残り重量は 0 です";
    }
    void runsAndCounts() {
        QFETCH(int, work);
        QFETCH(QString, product);
        QFETCH(int, maximum);
        QFETCH(bool, productMode);
        QFETCH(QString, text);
        setWeights(0, maximum);
        (productMode ? ui().modes.products : ui().modes.materials)->setChecked(true);
        chooseWork(work);
        chooseProduct(product);
        QCOMPARE(info(), text);
    }

    void longMaterialNameShowsFromItsStart() {
        // A name far wider than its list: the row shows its beginning, not its end.
        const QString longName = QStringLiteral("とても長い名前の鉄鉱石をさらに精錬した鉄");
        daggerNeeds(QStringLiteral("001:") + longName, QStringLiteral("010:01"),
                    QStringLiteral("1"));
        chooseWork(12);
        chooseProduct(QStringLiteral("短剣"));
        QLineEdit* name = ui().materials[0].nameList->lineEdit();
        QCOMPARE(name->text(), longName);
        QCOMPARE(name->cursorPosition(), 0);
    }

    void designedSizeShowsWholeTexts() {
        // ミスリルインゴット in a material row, then a medicine of three effects.
        const QString ingot = QStringLiteral("ミスリルインゴット");
        daggerNeeds(QStringLiteral("100:") + ingot, QStringLiteral("105:08"), QStringLiteral("7"));
        data_->products.set(7, 5, 3, QStringLiteral("80,HP回復,200,MP回復,150,毒治療,1"));
        showAndActivate();
        chooseWork(12);
        chooseProduct(QStringLiteral("短剣"));
        QLineEdit* name = ui().materials[0].nameList->lineEdit();
        QCOMPARE(name->text(), ingot);
        // Qt keeps two pixels on each side of the text and one for the caret.
        QVERIFY(name->fontMetrics().horizontalAdvance(ingot) <= name->contentsRect().width() - 5);

        ui().modes.products->setChecked(true);
        chooseWork(6);
        chooseProduct(QStringLiteral("万能薬"));
        QCOMPARE(info().count(QLatin1Char('\n')), 5);
        QCoreApplication::processEvents();
        QCOMPARE(ui().infoBox->verticalScrollBar()->maximum(), 0);
    }

    void productChoiceEmptiesEveryMaterialRow() {
        // 湧き水 needs no materials; 万能薬 before it filled both rows.
        data_->products.set(7, 1, 4, QStringLiteral("025:湧き水"));
        data_->products.set(7, 2, 4, QStringLiteral("030:02"));
        data_->products.set(7, 3, 4, QStringLiteral("1"));
        data_->products.set(7, 4, 4, QStringLiteral("00"));
        data_->products.set(7, 5, 4, QStringLiteral("10,MP回復,20"));
        setWeights(0, 1000);
        chooseWork(6);
        chooseProduct(QStringLiteral("万能薬"));
        QCOMPARE(ui().materials[0].level->text(), QStringLiteral("3"));
        QCOMPARE(ui().materials[0].weight->text(), QStringLiteral("4"));
        QCOMPARE(ui().materials[1].level->text(), QStringLiteral("10"));
        chooseProduct(QStringLiteral("湧き水"));
        for (int k = 1; k <= 3; ++k) {
            QCOMPARE(ui().materials[k - 1].level->text(), QString());
            QCOMPARE(ui().materials[k - 1].weight->text(), QString());
            QCOMPARE(ui().materials[k - 1].workList->currentText(), QString());
            QCOMPARE(ui().materials[k - 1].nameList->currentText(), QString());
            QVERIFY(ui().materials[k - 1].nameList->isHidden());
        }
        QCOMPARE(ui().weights.total->text(), QStringLiteral("0"));
        QCOMPARE(info(), QString());  // nothing to carry: no runs
    }

    void unknownMaterialRowIsNamed() {
        // 謎の粉 is in no section: its row shows its name and count, and without its weight
        // no run count can be given.
        data_->products.set(13, 4, 2, QStringLiteral("01謎の粉,01鉄"));
        setWeights(0, 1000);
        chooseWork(12);
        chooseProduct(QStringLiteral("剣"));
        chooseProduct(QStringLiteral("短剣"));
        QVERIFY(!ui().materials[0].count->isHidden());
        QCOMPARE(ui().materials[0].nameList->currentText(), QStringLiteral("謎の粉"));
        QCOMPARE(ui().materials[0].count->text(), QStringLiteral("1"));
        QCOMPARE(ui().materials[0].level->text(), QString());
        QCOMPARE(ui().materials[0].weight->text(), QString());
        QVERIFY(!ui().materials[1].nameList->isHidden());
        QCOMPARE(ui().materials[1].nameList->currentText(), QStringLiteral("鉄"));
        QCOMPARE(ui().materials[1].weight->text(), QStringLiteral("20"));
        QCOMPARE(ui().weights.total->text(), QString());  // not 20: 謎の粉 weighs something
        QCOMPARE(info(), QStringLiteral("謎の粉（不明な材料）の重量がわかりません"));
    }

    void editsCountAtOnce() {
        // 剣: 2 鉄 (20 each), 1 木材 (10), 1 皮 (5), 50 experience, 10 runs.
        setWeights(0, 1000);
        chooseWork(12);
        chooseProduct(QStringLiteral("剣"));
        const auto type = [](QLineEdit* box, const QString& text) {
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, text);
        };
        type(ui().weights.maximum, QStringLiteral("2000"));  // no Enter
        QVERIFY2(info().startsWith(QStringLiteral("精錬作業   010 の 鉄 を 72\n")),
                 qPrintable(info()));
        type(ui().materials[1].count, QStringLiteral("5"));
        QCOMPARE(ui().materials[1].weight->text(), QStringLiteral("50"));
        QCOMPARE(ui().weights.total->text(), QStringLiteral("95"));
        type(ui().runsBox, QStringLiteral("3"));
        QCOMPARE(ui().totalExpBox->text(), QStringLiteral("150"));
        QCOMPARE(info(),
                 QStringLiteral("精錬作業   010 の 鉄 を 42\n木こり     010 の 木材 を 105\n"
                                "革細工     005 の 皮 を 21\n剣 を 21 回分作れます\n"
                                "剣 を 21 回分の経験値 3150\n残り重量は 5 です"));
        // A typed product name and weight count too.
        wmtest::clickIndicator(ui().modes.products);
        type(ui().weightBox, QStringLiteral("100"));
        ui().productList->setFocus();
        ui().productList->lineEdit()->selectAll();
        QTest::keyClicks(ui().productList, QStringLiteral("X"));
        QCOMPARE(info(), QStringLiteral("X を 20 持てます\n残り重量は 0 です"));
    }

    void runsBeyond16Bits() {
        // 2 per run and 99999 free: 49999 runs no longer fit 16 bits and are still shown.
        setWeights(0, 99999);
        chooseWork(10);
        chooseProduct(QStringLiteral("布"));
        ui().weights.total->setText(QStringLiteral("1"));
        ui().modes.materials->click();
        QCOMPARE(info(), QStringLiteral("農作業     001 の 糸 を 199998\n布 を 99999 回分作れます\n"
                                        "布 を 99999 回分の経験値 1999980\n残り重量は 0 です"));
    }

    void weightsBeyond64Bits() {
        // 5e18 twice leaves 64 bits: the total weight box stays empty instead of wrapping.
        data_->products.set(2, 3, 1, QStringLiteral("5000000000000000000"));   // 木材
        data_->products.set(12, 3, 1, QStringLiteral("5000000000000000000"));  // 皮
        setWeights(0, 1000);
        chooseWork(12);
        chooseProduct(QStringLiteral("剣"));
        QCOMPARE(ui().materials[1].weight->text(), QStringLiteral("5000000000000000000"));
        QCOMPARE(ui().weights.total->text(), QString());
        QCOMPARE(info(), QString());
        // Two pieces of one such material: the row's weight stays empty too.
        data_->products.set(9, 3, 1, QStringLiteral("1"));
        chooseWork(8);
        chooseProduct(QStringLiteral("板"));
        QCOMPARE(ui().materials[0].weight->text(), QString());
        QCOMPARE(ui().weights.total->text(), QString());  // not 0 beside the empty row
    }

    void infoBeyond64Bits_data() {
        QTest::addColumn<QString>("box");  // the box set to the value
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("productMode");
        QTest::newRow("experience x runs") << "totalExpBox"
                                           << "9223372036854775807" << false;
        QTest::newRow("amount x runs") << "materialCountBox1"
                                       << "9223372036854775807" << false;
        QTest::newRow("largest experience") << "totalExpBox"
                                            << "92234642714974" << false;
        QTest::newRow("free weight") << "currentWeightBox"
                                     << "-9223372036854775807" << false;
        QTest::newRow("free weight, products") << "currentWeightBox"
                                               << "-9223372036854775807" << true;
    }
    void infoBeyond64Bits() {
        QFETCH(QString, box);
        QFETCH(QString, value);
        QFETCH(bool, productMode);
        setWeights(0, 99999);
        (productMode ? ui().modes.products : ui().modes.materials)->setChecked(true);
        chooseWork(10);
        chooseProduct(QStringLiteral("布"));
        ui().weights.total->setText(QStringLiteral("1"));
        wmtest::child<QLineEdit>(&w(), box)->setText(value);
        (productMode ? ui().modes.products : ui().modes.materials)->click();
        if (value == QLatin1String("92234642714974")) {
            // 99999 runs of the largest experience that fits are still shown exactly.
            QCOMPARE(
                info(),
                QStringLiteral("農作業     001 の 糸 を 199998\n布 を 99999 回分作れます\n"
                               "布 を 99999 回分の経験値 9223372036854685026\n残り重量は 0 です"));
            return;
        }
        QCOMPARE(info(), QString());
    }

    void materialsTextStopsAtAFailingStep() {
        setWeights(0, 1000);
        chooseWork(12);
        chooseProduct(QStringLiteral("剣"));
        ui().materials[1].count->clear();  // row 2 amount
        ui().modes.materials->click();
        QCOMPARE(info(), QStringLiteral("精錬作業   010 の 鉄 を 36\n"));
        ui().materials[1].count->setText(QStringLiteral("1"));
        ui().totalExpBox->clear();
        ui().modes.materials->click();
        QCOMPARE(info(), QStringLiteral("精錬作業   010 の 鉄 を 36\n木こり     010 の 木材 を 18\n"
                                        "革細工     005 の 皮 を 18\n剣 を 18 回分作れます"));
    }

    void effects_data() {
        QTest::addColumn<int>("work");
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("text");
        QTest::newRow("strength alone")
            << 6 << "傷薬"
            << "傷薬 を 1000 持てます\n残り重量は 0 です\n  薬物強度:30";
        QTest::newRow("0, A, 5") << 6 << "眠り薬"
                                 << "眠り薬 を 1000 持てます\n残り重量は 0 です\n  眠気:5";
        QTest::newRow("strength and names")
            << 6 << "万能薬"
            << "万能薬 を 500 持てます\n残り重量は 0 です\n  薬物強度:20\n  HP回復:30\n  毒治療";
        QTest::newRow("food")
            << 7 << "焼き肉"
            << "焼き肉 を 333 持てます\n残り重量は 1 です\n  腹持ち度:15\n  満腹:10";
        QTest::newRow("strength 0 alone") << 6 << "無効薬"
                                          << "無効薬 を 1000 持てます\n残り重量は 0 です";
    }
    void effects() {
        // A lone strength of 0 shows no effect line at all.
        data_->products.set(7, 1, 4, QStringLiteral("001:無効薬"));
        data_->products.set(7, 2, 4, QStringLiteral("001:01"));
        data_->products.set(7, 3, 4, QStringLiteral("1"));
        data_->products.set(7, 5, 4, QStringLiteral("0"));
        QFETCH(int, work);
        QFETCH(QString, product);
        QFETCH(QString, text);
        ui().modes.products->setChecked(true);
        chooseWork(work);
        chooseProduct(product);
        QCOMPARE(info(), text);
    }

    void typedProductHasNoEffects() {
        showAndActivate();
        wmtest::clickIndicator(ui().modes.products);
        chooseWork(6);
        chooseProduct(QStringLiteral("眠り薬"));
        ui().productList->lineEdit()->setText(QStringLiteral("X"));
        ui().weights.maximum->setFocus();
        QTest::keyClick(ui().weights.maximum, Qt::Key_Return);
        QCOMPARE(info(), QStringLiteral("X を 1000 持てます\n残り重量は 0 です"));
        QCOMPARE(QApplication::focusWidget(), ui().modes.products);
    }

    void gatheringPlaces() {
        showAndActivate();
        chooseWork(0);
        QCOMPARE(info(), QString());  // a work choice alone builds no text
        chooseProduct(QStringLiteral("ウサギの肉"));
        QCOMPARE(info(), QStringLiteral("北の森\n湖畔\n西の丘"));
        wmtest::clickIndicator(ui().modes.products);
        QCOMPARE(info(), QStringLiteral("ウサギの肉 を 250 持てます\n残り重量は 0 です"));
        ui().modes.materials->setFocus();
        QTest::keyClick(ui().modes.materials, Qt::Key_Space);
        QCOMPARE(info(), QStringLiteral("北の森\n湖畔\n西の丘"));
    }

    void weightTypedRebuildsText() {
        showAndActivate();
        chooseWork(12);
        chooseProduct(QStringLiteral("短剣"));
        QCOMPARE(info(), QStringLiteral("精錬作業   010 の 鉄 を 40\n短剣 を 40 回分作れます\n"
                                        "短剣 を 40 回分の経験値 6000\n残り重量は 200 です"));
        ui().weights.current->setFocus();
        ui().weights.current->selectAll();
        QTest::keyClicks(ui().weights.current, QStringLiteral("900"));
        // Typing alone rebuilds it; Enter then moves on.
        QCOMPARE(info(), QStringLiteral("精錬作業   010 の 鉄 を 5\n短剣 を 5 回分作れます\n"
                                        "短剣 を 5 回分の経験値 750\n残り重量は 0 です"));
        QTest::keyClick(ui().weights.current, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), ui().weights.maximum);
    }

    void closingUnloadsAndReopeningReadsGuildsAgain() {
        w().show();
        w().close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(win_.isNull());

        QStringList guilds = wmtest::guildDataLines();
        guilds[1] = QStringLiteral("森村.狩人小屋.ハンス, 新町.新ギルド.新長,条件1,備考");
        guilds[2] = QStringLiteral("#02: 木こり");
        folder_->writeLines(QStringLiteral("txtFile/GuildData.txt"), guilds);
        win_ = new ProductWindow(*data_, dialogs_);
        chooseWork(0);
        QCOMPARE(items(ui().guildPanel.placeList), QStringList{QStringLiteral("新町")});
        QCOMPARE(ui().guildPanel.building->text(), QStringLiteral("新ギルド"));
    }
};

WM_TEST_MAIN(TestProductWindow)
#include "tst_productwindow.moc"
