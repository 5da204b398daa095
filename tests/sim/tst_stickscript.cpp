// Steered sticks: the script text, what the unit reports from it as the
// telemetry clock moves tick by tick, and what the PC decodes of it.
#include "LinkFrame.h"
#include "SimulatedUnit.h"
#include "StickScript.h"
#include "Telemetry.h"

#include <QTest>

namespace {

using Values = StickScript::Values;

// The channels as the PC decodes the unit's telemetry reply, in monitor order.
Values seenByPc(SimulatedUnit &unit)
{
    const auto reply = unit.handle(LinkFrame::build(CMD_NONE, DLU_UP_SFID_TELEMETRY_1, {}));
    if (!reply)
        return {};
    const Telemetry t = Telemetry::decode(reply->payload());
    return {t.accelerator, t.collective, t.elevator, t.aileron, t.rudder, t.gain};
}

} // namespace

Q_DECLARE_METATYPE(Values)

class tst_StickScript : public QObject
{
    Q_OBJECT
private slots:
    void readsScripts_data();
    void readsScripts();
    void refusesScripts_data();
    void refusesScripts();
    void everyValueDecodesBack();
    void unitFollowsScriptTickByTick();
};

void tst_StickScript::readsScripts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("at");
    QTest::addColumn<Values>("expected");
    const QString pilot = "# centred, throttle low\n"
                          "0 throttle=-100 aux=-100\n"
                          "1000 aileron=100   # right\n"
                          "60t  aileron=0 Elevator=7\n"
                          "2000 10 20 30 40 50 60\n"
                          "3000 loop\n";
    QTest::addRow("start") << pilot << qint64(0) << Values{-100, 0, 0, 0, 0, -100};
    QTest::addRow("just before") << pilot << qint64(999) << Values{-100, 0, 0, 0, 0, -100};
    QTest::addRow("held") << pilot << qint64(1000) << Values{-100, 0, 0, 100, 0, -100};
    QTest::addRow("ticks") << pilot << qint64(1200) << Values{-100, 0, 7, 0, 0, -100};
    QTest::addRow("positional") << pilot << qint64(2999) << Values{10, 20, 30, 40, 50, 60};
    QTest::addRow("looped") << pilot << qint64(4000) << Values{-100, 0, 0, 100, 0, -100};
    QTest::addRow("gain is aux") << "0 gain=-125" << qint64(5) << Values{0, 0, 0, 0, 0, -125};
    QTest::addRow("last holds") << "0 rudder=3\n10 rudder=-3" << qint64(99999)
                                << Values{0, 0, 0, 0, -3, 0};
}

void tst_StickScript::readsScripts()
{
    QFETCH(QString, text);
    QFETCH(qint64, at);
    QFETCH(Values, expected);
    QString error;
    const auto script = StickScript::parse(text, &error);
    QVERIFY2(script, qPrintable(error));
    QCOMPARE(script->valuesAt(at), expected);
}

void tst_StickScript::refusesScripts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");
    QTest::addRow("empty") << "# nothing\n"
                           << "the script sets no channel";
    QTest::addRow("time") << "soon aileron=1"
                          << "line 1: \"soon\" is not a time (ms, or ticks as \"50t\")";
    QTest::addRow("backwards") << "100 aileron=1\n50 aileron=2"
                               << "line 2: the time goes back";
    QTest::addRow("name") << "0 pitch=1"
                          << "line 1: no channel is called \"pitch\"";
    QTest::addRow("range") << "0 aileron=126"
                           << "line 1: \"126\" is not a value from -125 to 125";
    QTest::addRow("five") << "0 1 2 3 4 5"
                          << "line 1: six values, or name=value pairs";
    QTest::addRow("bare time") << "0"
                               << "line 1: no channel is set";
    QTest::addRow("loop first") << "0 loop"
                                << "line 1: \"loop\" needs a later time than the first moment";
    QTest::addRow("after loop") << "0 aux=1\n10 loop\n20 aux=2"
                                << "line 3: nothing may follow \"loop\"";
}

void tst_StickScript::refusesScripts()
{
    QFETCH(QString, text);
    QFETCH(QString, error);
    QString why;
    QVERIFY(!StickScript::parse(text, &why));
    QCOMPARE(why, error);
}

// Whatever value a script names, the monitor shows that value, not one off.
void tst_StickScript::everyValueDecodesBack()
{
    for (int v = -StickScript::Limit; v <= StickScript::Limit; ++v) {
        const StickScript::Words words = StickScript::wordsFor({v, v, v, v, v, v});
        for (qint16 w : words)
            QCOMPARE(int(Telemetry::decodeWord(w)), v);
    }
}

void tst_StickScript::unitFollowsScriptTickByTick()
{
    SimulatedUnit unit;
    unit.setClockMs(5000); // the script starts where the clock stands
    unit.setStickScript(
        *StickScript::parse("0 throttle=-100\n3t aileron=100\n5t aileron=0 elevator=7"));
    QVERIFY(unit.isSteered());
    QList<Values> seen;
    for (int tick = 0; tick < 6; ++tick) {
        unit.setClockMs(5000 + tick * StickScript::TickMs);
        seen << seenByPc(unit);
    }
    const Values rest{-100, 0, 0, 0, 0, 0}, right{-100, 0, 0, 100, 0, 0}, off{-100, 0, 7, 0, 0, 0};
    QCOMPARE(seen, (QList<Values>{rest, rest, rest, right, right, off}));

    unit.holdSticks({1, 2, 3, 4, 5, 6}); // the sticks window
    QCOMPARE(seenByPc(unit), (Values{1, 2, 3, 4, 5, 6}));
    unit.clearStickScript();
    QVERIFY(!unit.isSteered()); // back to the sweep
}

QTEST_GUILESS_MAIN(tst_StickScript)
#include "tst_stickscript.moc"
