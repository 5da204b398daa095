// The swash mixing arithmetic on its own: derivation of the mixing state and
// the arrow pad, without any widget.
#include "SwashMixing.h"

#include <QRandomGenerator>
#include <QTest>

using Servos = SwashMixing::Servos;
using Axis = SwashMixing::Axis;
Q_DECLARE_METATYPE(Servos)

namespace {

struct Click
{
    Axis axis;
    int delta;
    bool deriveFirst;
};

// "C+1", "P+5d" (d: derive first), "R-1" ... separated by blanks.
QList<Click> parseClicks(const QString &text)
{
    QList<Click> clicks;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QChar axis = word.at(0);
        Click c{axis == QLatin1Char('C')   ? Axis::Collective
                : axis == QLatin1Char('P') ? Axis::Pitch
                                           : Axis::Roll,
                word.mid(1, 2).toInt(), word.endsWith(QLatin1Char('d'))};
        clicks << c;
    }
    return clicks;
}

} // namespace

class tst_SwashMixing : public QObject
{
    Q_OBJECT

private slots:
    void derive_data();
    void derive();
    void deriveWithoutGeometryKeepsState();
    void mixerKeepsGeometry();
    void arrow_data();
    void arrow();
    void arrowRefusesUnknownType_data();
    void arrowRefusesUnknownType();
    void randomPadSessions();
};

void tst_SwashMixing::derive_data()
{
    QTest::addColumn<int>("modelType");
    QTest::addColumn<Servos>("trims");
    QTest::addColumn<Servos>("directions");
    QTest::addColumn<double>("roll");
    QTest::addColumn<double>("pitch");
    QTest::addColumn<double>("collective");

    QTest::addRow("120CCPM 10 20 30")
        << 2 << Servos{10, 20, 30} << Servos{1, 1, 1} << 10 / 2.1875 << -8.0 << 20.0;
    // A reversed servo enters with its trim negated.
    QTest::addRow("120CCPM CH2 reversed")
        << 2 << Servos{10, 20, 30} << Servos{1, -1, 1} << -30 / 2.1875 << (-20 + 10 - 60) / 3.75
        << 1.25 * ((-20 + 10 - 60) / 3.75) + 30;
    QTest::addRow("90CCPM") << 5 << Servos{10, 20, 30} << Servos{1, 1, 1} << 10 / 2.5 << -30 / 2.5
                            << 1.25 * (-30 / 2.5) + 30;
    QTest::addRow("135CCPM") << 3 << Servos{-4, 8, 0} << Servos{1, 1, 1} << 12 / 1.75 << 4 / 4.218
                             << 1.234 * (4 / 4.218);
    QTest::addRow("140CCPM") << 4 << Servos{0, 0, 10} << Servos{1, 1, -1} << 0.0 << 20 / 4.47
                             << 1.266 * (20 / 4.47) - 10;
}

void tst_SwashMixing::derive()
{
    QFETCH(int, modelType);
    QFETCH(Servos, trims);
    QFETCH(Servos, directions);
    QFETCH(double, roll);
    QFETCH(double, pitch);
    QFETCH(double, collective);

    SwashMixing mixing;
    QVERIFY(mixing.applyGeometry(modelType));
    QVERIFY(mixing.derive(trims, directions));
    QCOMPARE(mixing.trimRoll, roll);
    QCOMPARE(mixing.trimPitch, pitch);
    QCOMPARE(mixing.trimCollective, collective);
    // The state gives the trims back (up to truncation toward zero).
    const Servos back = mixing.servoTrims(directions);
    for (int i = 0; i < 3; ++i)
        QVERIFY2(qAbs(back[i] - trims[i]) <= 1, qPrintable(QString::number(back[i])));
}

void tst_SwashMixing::deriveWithoutGeometryKeepsState()
{
    SwashMixing mixing;
    QVERIFY(!mixing.hasGeometry());
    mixing.trimRoll = 3;
    mixing.trimPitch = -2;
    mixing.trimCollective = 7;
    QVERIFY(!mixing.derive({10, 20, 30}, {1, 1, 1}));
    QCOMPARE(mixing.trimRoll, 3.0);
    QCOMPARE(mixing.trimPitch, -2.0);
    QCOMPARE(mixing.trimCollective, 7.0);
}

void tst_SwashMixing::mixerKeepsGeometry()
{
    SwashMixing mixing;
    mixing.applyGeometry(SwashMixing::Ccpm140);
    QVERIFY(!mixing.applyGeometry(SwashMixing::MechanicalMixer));
    QVERIFY(!mixing.applyGeometry(0));
    QCOMPARE(mixing.rollFactor, 0.8125);
    QCOMPARE(mixing.ch3PitchFactor, 1.266);
}

void tst_SwashMixing::arrow_data()
{
    QTest::addColumn<int>("modelType");
    QTest::addColumn<Servos>("trims");
    QTest::addColumn<Servos>("directions");
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<Servos>("expected");

    const Servos normal{1, 1, 1};
    QTest::addRow("120 collective up")
        << 2 << Servos{0, 0, 0} << normal << "C+1" << Servos{1, 1, 1};
    QTest::addRow("120 collective then pitch")
        << 2 << Servos{0, 0, 0} << normal << "C+1 P+1" << Servos{1, 1, 0};
    QTest::addRow("120 roll right") << 2 << Servos{0, 0, 0} << normal << "R+1" << Servos{-1, 1, 0};
    QTest::addRow("120 roll left five")
        << 2 << Servos{0, 0, 0} << normal << "R-5" << Servos{5, -5, 0};
    QTest::addRow("90 CH1 reversed")
        << 5 << Servos{0, 0, 0} << Servos{-1, 1, 1} << "C+1" << Servos{-1, 1, 1};
    // Fractions are kept between clicks: four one-step pitch clicks move CH1
    // by trunc(4 * 0.875), where rounding each click would never move it.
    QTest::addRow("135 pitch kept exactly")
        << 3 << Servos{0, 0, 0} << normal << "P+1 P+1 P+1 P+1" << Servos{3, 3, -4};
    QTest::addRow("120 derive first after drag")
        << 2 << Servos{20, 0, 0} << normal << "P+5d" << Servos{23, 3, -6};
    // Without derive-first the step still starts from the dragged trim.
    QTest::addRow("120 collective after drag")
        << 2 << Servos{20, 0, 0} << normal << "C+1" << Servos{21, 1, 1};
    QTest::addRow("120 limited at 125") << 2 << Servos{0, 0, 0} << normal
                                        << "C+5 C+5 C+5 C+5 C+5 C+5 C+5 C+5 C+5 C+5 C+5 C+5 C+5 "
                                           "C+5 C+5 C+5 C+5 C+5 C+5 C+5 C+5 C+5 C+5 C+5 C+5 C+5"
                                        << Servos{125, 125, 125};
    QTest::addRow("120 all out of range")
        << 2 << Servos{126, 127, -128} << normal << "C+1" << Servos{125, 125, -125};
    QTest::addRow("mixer CH2 reversed up1")
        << 1 << Servos{0, 10, 0} << Servos{1, -1, 1} << "P+1" << Servos{0, 9, 0};
    QTest::addRow("mixer CH2 reversed up2")
        << 1 << Servos{0, 10, 0} << Servos{1, -1, 1} << "P+5" << Servos{0, 5, 0};
    QTest::addRow("mixer roll moves CH1")
        << 1 << Servos{0, 0, 0} << normal << "R-1" << Servos{-1, 0, 0};
    QTest::addRow("mixer at 125") << 1 << Servos{0, 0, 125} << normal << "C+1" << Servos{0, 0, 125};
    QTest::addRow("mixer 123 plus 5")
        << 1 << Servos{0, 0, 123} << normal << "C+5" << Servos{0, 0, 125};
    QTest::addRow("mixer out of range stays")
        << 1 << Servos{0, 0, 127} << normal << "C-1" << Servos{0, 0, 125};
}

void tst_SwashMixing::arrow()
{
    QFETCH(int, modelType);
    QFETCH(Servos, trims);
    QFETCH(Servos, directions);
    QFETCH(QString, clicks);
    QFETCH(Servos, expected);

    SwashMixing mixing;
    mixing.applyGeometry(modelType);
    mixing.derive({0, 0, 0}, directions); // the state as a refresh of zero trims leaves it
    for (const Click &c : parseClicks(clicks)) {
        const std::optional<Servos> result =
            mixing.arrow(modelType, c.axis, c.delta, c.deriveFirst, trims, directions);
        QVERIFY(result);
        trims = *result;
    }
    QCOMPARE(trims, expected);
}

void tst_SwashMixing::arrowRefusesUnknownType_data()
{
    QTest::addColumn<int>("modelType");
    QTest::addColumn<int>("geometryFrom");
    QTest::addRow("zero record") << 0 << 2;
    QTest::addRow("type 6") << 6 << 2;
    QTest::addRow("negative type") << -1 << 4;
    QTest::addRow("CCPM before any geometry") << 2 << 0;
}

void tst_SwashMixing::arrowRefusesUnknownType()
{
    QFETCH(int, modelType);
    QFETCH(int, geometryFrom);
    SwashMixing mixing;
    mixing.applyGeometry(geometryFrom);
    for (Axis axis : {Axis::Collective, Axis::Pitch, Axis::Roll})
        QVERIFY(!mixing.arrow(modelType, axis, 1, true, {10, 20, 30}, {1, 1, 1}));
    QCOMPARE(mixing.trimCollective, 0.0);
    QCOMPARE(mixing.trimPitch, 0.0);
    QCOMPARE(mixing.trimRoll, 0.0);
}

// Seeded sessions on every swash type: bursts of clicks one way, trims the
// pilot types in between, direction bytes an unknown unit may send. Every
// click starts from the trims the pilot sees, stays within the limits, and
// a click that moved something can always be taken back at once.
void tst_SwashMixing::randomPadSessions()
{
    QRandomGenerator random(20240614);
    const int types[] = {SwashMixing::MechanicalMixer, SwashMixing::Ccpm90, SwashMixing::Ccpm120,
                         SwashMixing::Ccpm135, SwashMixing::Ccpm140};
    const int directionBytes[] = {1, -1, 0, 2, -128};
    const Axis axes[] = {Axis::Collective, Axis::Pitch, Axis::Roll};
    for (int session = 0; session < 300; ++session) {
        const int type = types[random.bounded(5)];
        SwashMixing mixing;
        mixing.applyGeometry(type);
        Servos directions;
        for (int &d : directions)
            d = SwashMixing::direction(directionBytes[random.bounded(5)]);
        Servos trims;
        for (int &t : trims)
            t = random.bounded(-125, 126);
        for (int burst = 0; burst < 12; ++burst) {
            if (random.bounded(3) == 0) // the pilot types one trim
                trims[random.bounded(3)] = random.bounded(-125, 126);
            const Axis axis = axes[random.bounded(3)];
            const int step = random.bounded(2) ? 5 : 1;
            const int sign = random.bounded(2) ? 1 : -1;
            const int clicks = 1 + random.bounded(60);
            for (int n = 0; n < clicks; ++n) {
                // What a pad that has only the trims would do.
                SwashMixing fresh;
                fresh.applyGeometry(type);
                fresh.derive(trims, directions);
                const Servos fromTrims =
                    *fresh.arrow(type, axis, sign * step, false, trims, directions);
                const bool typed = mixing.limitedTrims(mixing.servoTrims(directions)) != trims;

                const Servos before = trims;
                trims = *mixing.arrow(type, axis, sign * step, false, trims, directions);
                for (int t : trims)
                    QVERIFY2(SwashMixing::withinLimit(t), qPrintable(QString::number(t)));
                if (typed || type == SwashMixing::MechanicalMixer)
                    QCOMPARE(trims, fromTrims);
                if (trims == before)
                    continue;
                // One step of 5 back moves something at once.
                SwashMixing back = mixing;
                const Servos undone = *back.arrow(type, axis, -sign * 5, false, trims, directions);
                QVERIFY2(undone != trims,
                         qPrintable(QStringLiteral("session %1 type %2").arg(session).arg(type)));
            }
        }
    }
}

QTEST_APPLESS_MAIN(tst_SwashMixing)
#include "tst_swashmixing.moc"
