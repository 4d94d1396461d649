#include "run/GenerationOptions.h"
#include "run/RunGeneration.h"
#include "support/FakeRunUi.h"
#include "support/MemoryTextFileLayer.h"
#include "support/ScriptedRandomSource.h"

#include <QTest>

using namespace parolex;
using namespace parolex::fakes;
using namespace Qt::StringLiterals;

namespace {

const QString digits = u"0123456789"_s;
const QString upper = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"_s;
const QString lower = u"abcdefghijklmnopqrstuvwxyz"_s;

GenerationOptions restricted(const QString &symbols, const QString &excluded, bool noLookalikes)
{
    GenerationOptions o;
    o.OwnSymbols = symbols;
    o.restrictions.excluded = excluded;
    o.restrictions.noLookalikes = noLookalikes;
    return o;
}

} // namespace

Q_DECLARE_METATYPE(parolex::GenerationOptions)

/// The pool a run draws from after --exclude and --no-lookalikes, and the runs they leave
/// without a pool to draw from.
class TestPoolRestrictions : public QObject
{
    Q_OBJECT

private slots:
    void leavesOutCharacters_data();
    void leavesOutCharacters();
    void aRunLeftWithoutPasswordsIsRefused_data();
    void aRunLeftWithoutPasswordsIsRefused();
};

void TestPoolRestrictions::leavesOutCharacters_data()
{
    QTest::addColumn<GenerationOptions>("run");
    QTest::addColumn<QString>("pool");

    QTest::newRow("nothing left out keeps the 68 entries of the pool as built")
        << restricted(u"+-=\\/"_s, QString(), false) << digits + upper + u"_"_s + lower + u"+-=\\/"_s;
    QTest::newRow("excluded characters leave their class and the own symbols alike")
        << restricted(u"+-=\\/"_s, u"9Z_a+"_s, false)
        << u"012345678ABCDEFGHIJKLMNOPQRSTUVWXYbcdefghijklmnopqrstuvwxyz-=\\/"_s;
    QTest::newRow("an excluded own symbol leaves with all its repeats, the others keep theirs")
        << restricted(u"++--="_s, u"+"_s, false) << digits + upper + u"_"_s + lower + u"--="_s;
    QTest::newRow("the look-alikes are 0 O o 1 l I | 5 S 2 Z 8 B, also among own symbols")
        << restricted(u"|+"_s, QString(), true) << u"34679ACDEFGHJKLMNPQRTUVWXY_abcdefghijkmnpqrstuvwxyz+"_s;
    QTest::newRow("characters the pool does not hold change nothing")
        << restricted(u"中"_s, u"€😀"_s, false) << digits + upper + u"_"_s + lower + u"中"_s;
    QTest::newRow("a character beyond the Basic Multilingual Plane leaves whole")
        << restricted(u"😀a😁"_s, u"😀"_s + digits + upper + lower + u"_"_s, false) << u"😁"_s;
}

void TestPoolRestrictions::leavesOutCharacters()
{
    QFETCH(GenerationOptions, run);
    QFETCH(QString, pool);
    QCOMPARE(run.restrictions.apply(CharacterPool::build(run)).toString(), pool);
}

void TestPoolRestrictions::aRunLeftWithoutPasswordsIsRefused_data()
{
    QTest::addColumn<GenerationOptions>("run");

    GenerationOptions emptied = restricted(QString(), digits + upper + lower + u"_"_s, false);
    QTest::newRow("every character left out") << emptied;
    emptied = restricted(u"xy"_s, digits + upper + lower, false);
    QTest::newRow("two entries left, too few as on the desktop") << emptied;
    GenerationOptions everyClass = restricted(u"+"_s, QString(), false);
    everyClass.LengthText = u"4"_s;
    everyClass.everyClass = true;
    QTest::newRow("five classes cannot all stand in four places") << everyClass;
}

void TestPoolRestrictions::aRunLeftWithoutPasswordsIsRefused()
{
    QFETCH(GenerationOptions, run);
    FakeRunUi ui;
    ScriptedRandomSource random;
    MemoryTextFileLayer files;
    const RunOutcome outcome = RunGeneration(run, ui, ui, random, files);
    QCOMPARE(outcome.kind, RunOutcome::Kind::Rejected);
    QCOMPARE(ui.calls, (QStringList{u"showProgress"_s, u"clear"_s,
                                    u"message|Warning|提示信息|您选择了两个或者两个以下可以生成密码的字符，"
                                    u"这样的密码过于简单或无法生成，请重新设置。"_s,
                                    u"closeProgress"_s}));
}

QTEST_GUILESS_MAIN(TestPoolRestrictions)
#include "TestPoolRestrictions.moc"
