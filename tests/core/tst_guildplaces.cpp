#include <QTest>

#include "productinfo.h"
#include "testmain.h"

using namespace wm;

// The places the product window's guild panel lists for a work.
class GuildPlacesTest : public QObject {
    Q_OBJECT

  private slots:
    void guildPlaces_data() {
        QTest::addColumn<QString>("work");
        QTest::addColumn<bool>("learning");
        QTest::addColumn<bool>("endScan");        // section 1's guild entry emptied
        QTest::addColumn<QStringList>("places");  // "name/building/person/condition"
        QTest::newRow("guilds of every section with the work")
            << "狩猟" << false << false
            << QStringList{"森村/狩猟ギルド/オルガ/", "王都/第二ギルド/ベン/"};
        QTest::newRow("learning places keep their section's condition")
            << "狩猟" << true << false
            << QStringList{"森村/狩人小屋/ハンス/条件1", "港町/酒場/ガント/条件1",
                           "雪村/氷小屋/ユキ/条件2"};
        QTest::newRow("an empty guild entry ends the scan")
            << "狩猟" << false << true << QStringList{};
        QTest::newRow("learning goes on past an empty guild entry")
            << "狩猟" << true << true
            << QStringList{"森村/狩人小屋/ハンス/条件1", "港町/酒場/ガント/条件1",
                           "雪村/氷小屋/ユキ/条件2"};
        QTest::newRow("no dot: the place alone")
            << "釣り" << false << false << QStringList{"港町///"};
        QTest::newRow("extra dots stay with the person")
            << "釣り" << true << false << QStringList{"港町/漁師小屋/ロイ.二代目/なし"};
        QTest::newRow("a work without a guild") << "木こり" << false << false << QStringList{};
    }
    void guildPlaces() {
        QFETCH(QString, work);
        QFETCH(bool, learning);
        QFETCH(bool, endScan);
        QFETCH(QStringList, places);
        // The viewer's table: its 32nd section is never read.
        GuildTable guilds(GuildTable::kViewerSections);
        const auto section = [&](int g, const QString& name, const QStringList& learn,
                                 const QString& guild, const QString& condition) {
            guilds.set(g, 0, 1, QStringLiteral("%1: ").arg(g, 2, 10, QLatin1Char('0')) + name);
            for (int n = 0; n < learn.size(); ++n)
                guilds.set(g, 1, n + 1, learn.at(n));
            guilds.set(g, 2, 1, guild);
            guilds.set(g, 2, 2, condition);
        };
        section(1, "狩猟", {"森村.狩人小屋.ハンス", "港町.酒場.ガント"},
                endScan ? QString() : QStringLiteral(" 森村.狩猟ギルド.オルガ"), "条件1");
        section(2, "狩猟", {"雪村.氷小屋.ユキ"}, "王都.第二ギルド.ベン", "条件2");
        section(3, "釣り", {"港町.漁師小屋.ロイ.二代目"}, "港町", "なし");
        section(32, "狩猟", {"偽村.偽小屋.偽人"}, "偽町.偽ギルド.偽長", "偽条件");
        QStringList found;
        for (const GuildPlace& p : wm::guildPlaces(guilds, work, learning))
            found << QStringList{p.name, p.building, p.person, p.condition}.join('/');
        QCOMPARE(found, places);
    }

    void guildDataAbsent() {
        const GuildTable none;
        for (bool learning : {false, true}) {
            QVERIFY(wm::guildPlaces(none, QString(), learning).isEmpty());
            QVERIFY(wm::guildPlaces(none, QStringLiteral("狩猟"), learning).isEmpty());
        }
    }
};

WM_TEST_MAIN(GuildPlacesTest)
#include "tst_guildplaces.moc"
