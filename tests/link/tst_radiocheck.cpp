// The radio check judged on the unit's own view of the sticks: which
// transmitter change each fault asks for, and when a held position counts.
#include "RadioCheck.h"

#include <QTest>

#include <random>

using Channels = RadioCheck::Channels;
using Stick = RadioCheck::Stick;

namespace {

// Channel c at `value`, the others at rest.
Channels only(int c, int value, Channels base = {-100, 0, 0, 0, 0, -100})
{
    base[size_t(c)] = value;
    return base;
}

} // namespace

Q_DECLARE_METATYPE(Channels)
Q_DECLARE_METATYPE(RadioCheck::Stick)

class tst_RadioCheck : public QObject
{
    Q_OBJECT
private slots:
    void judges_data();
    void judges();
    void takesHeldPositionsOnly();
    void noisySticksAreTakenOnceStill();
};

void tst_RadioCheck::judges_data()
{
    QTest::addColumn<Stick>("stick");
    QTest::addColumn<Channels>("full");
    QTest::addColumn<Channels>("opposite");
    QTest::addColumn<Channels>("rest");
    QTest::addColumn<QStringList>("advice");
    using R = RadioCheck;
    QTest::addRow("aileron right") << R::Aileron << only(R::Aileron, 100) << only(R::Aileron, -100)
                                   << only(R::Aileron, 2) << QStringList();
    QTest::addRow("aileron reversed")
        << R::Aileron << only(R::Aileron, -100) << only(R::Aileron, 100) << only(R::Aileron, 0)
        << QStringList{"Aileron is reversed: reverse channel 1 in your transmitter"};
    QTest::addRow("elevator off neutral")
        << R::Elevator << only(R::Elevator, 107) << only(R::Elevator, -93) << only(R::Elevator, 7)
        << QStringList{"Elevator reaches only -93: raise its end point",
                       "Elevator rests at 7: set its sub-trim"};
    QTest::addRow("elevator rests at 7")
        << R::Elevator << only(R::Elevator, 100) << only(R::Elevator, -100) << only(R::Elevator, 7)
        << QStringList{"Elevator rests at 7: set its sub-trim"};
    QTest::addRow("neutral a few counts off")
        << R::Elevator << only(R::Elevator, 100) << only(R::Elevator, -100) << only(R::Elevator, -3)
        << QStringList();
    QTest::addRow("collective short")
        << R::Collective << only(R::Collective, 82) << only(R::Collective, -100)
        << only(R::Collective, 0) << QStringList{"Collective reaches only 82: raise its end point"};
    QTest::addRow("collective short, reversed")
        << R::Collective << only(R::Collective, -100) << only(R::Collective, 82)
        << only(R::Collective, 0)
        << QStringList{"Collective is reversed: reverse channel 6 in your transmitter",
                       "Collective reaches only 82: raise its end point"};
    // The throttle's middle is the pilot's throttle curve, not a neutral.
    QTest::addRow("throttle middle")
        << R::Throttle << only(R::Throttle, 100) << only(R::Throttle, -100) << only(R::Throttle, 30)
        << QStringList();
    QTest::addRow("rudder on aileron")
        << R::Rudder << only(R::Aileron, 100) << only(R::Aileron, -100) << only(R::Aileron, 0)
        << QStringList{"Rudder moves the Aileron channel instead: put Rudder on channel 4 in "
                       "your transmitter"};
    QTest::addRow("rudder dead")
        << R::Rudder << only(R::Rudder, 4) << only(R::Rudder, -4) << only(R::Rudder, 0)
        << QStringList{"Rudder does not move: check that channel 4 is assigned in your "
                       "transmitter and plugged in"};
    QTest::addRow("aux switch") << R::Aux << only(R::Aux, 100) << only(R::Aux, -100)
                                << only(R::Aux, -100) << QStringList();
    // A switch either way round is a switch; its ends are the gains.
    QTest::addRow("aux either way")
        << R::Aux << only(R::Aux, -40) << only(R::Aux, 60) << only(R::Aux, 60) << QStringList();
}

void tst_RadioCheck::judges()
{
    QFETCH(Stick, stick);
    QFETCH(Channels, full);
    QFETCH(Channels, opposite);
    QFETCH(Channels, rest);
    QFETCH(QStringList, advice);
    const RadioCheck::Verdict verdict = RadioCheck::judge(stick, {full, opposite, rest});
    QCOMPARE(verdict.advice, advice);
    QCOMPARE(verdict.passed, advice.isEmpty());
}

// A stick passing through (the centre on the way to the other end, a
// position held too briefly) is not taken for a position.
void tst_RadioCheck::takesHeldPositionsOnly()
{
    RadioCheck check(RadioCheck::Aileron);
    const auto hold = [&check](const Channels &c, int samples) {
        int taken = 0;
        for (int i = 0; i < samples; ++i)
            taken += check.feed(c);
        return taken;
    };
    QCOMPARE(hold(only(3, 0), 30), 0); // sticks at rest: nothing moved yet
    QCOMPARE(hold(only(3, 100), RadioCheck::SteadySamples - 1), 0);
    QCOMPARE(hold(only(3, 100), 1), 1);
    QCOMPARE(check.phase(), RadioCheck::Phase::Opposite);
    QCOMPARE(hold(only(3, 0), 40), 0); // let go on the way: not the other end
    QCOMPARE(hold(only(3, -100), 40), 1);
    QCOMPARE(check.phase(), RadioCheck::Phase::Release);
    QCOMPARE(hold(only(3, -90), 40), 0); // still at the end
    QCOMPARE(hold(only(3, 1), 40), 1);
    QCOMPARE(check.phase(), RadioCheck::Phase::Done);
    QVERIFY(check.verdict().passed);
    QCOMPARE(check.readings().rest, only(3, 1));
}

// Telemetry jitters by a count or two; a stick held at an end, with noise,
// is taken at a value within the noise, whatever the seed.
void tst_RadioCheck::noisySticksAreTakenOnceStill()
{
    std::mt19937 random(26);
    std::uniform_int_distribution<int> noise(-1, 1);
    for (int run = 0; run < 50; ++run) {
        RadioCheck check(RadioCheck::Elevator);
        const int rest = std::uniform_int_distribution<int>(-6, 6)(random);
        // A stray sample from before, then the sticks at rest.
        QVERIFY(!check.feed(only(3, 100)));
        for (int i = 0; i < 2 * RadioCheck::SteadySamples; ++i)
            QVERIFY(!check.feed(only(2, rest + noise(random))));
        for (int target : {100, -100, rest}) {
            for (int i = 0; i < 60 && check.phase() != RadioCheck::Phase::Done; ++i) {
                // Moving there over a few samples, then held.
                const int v = i < 5 ? target * i / 5 : target + noise(random);
                if (check.feed(only(2, v)))
                    break;
            }
        }
        QCOMPARE(check.phase(), RadioCheck::Phase::Done);
        QVERIFY(std::abs(check.readings().full[2] - 100) <= 1);
        QVERIFY(std::abs(check.readings().rest[2] - rest) <= 1);
        QCOMPARE(check.verdict().passed, std::abs(check.readings().rest[2]) <= 3);
    }
}

QTEST_GUILESS_MAIN(tst_RadioCheck)
#include "tst_radiocheck.moc"
