#pragma once

#include "Telemetry.h"

#include <QCoreApplication>
#include <QStringList>
#include <QVector>

#include <array>

// The radio check of the guided setup, judged on what the unit itself sees
// of the sticks (its channel telemetry), one stick at a time. From the
// sticks at rest, the pilot moves the stick fully one way and holds, fully
// the other way and holds, then lets it go; each position is taken once the
// channels hold still.
// The check then says, as what to change in the transmitter, whether the
// right channel moved, the right way, far enough, and back to neutral.
class RadioCheck
{
    Q_DECLARE_TR_FUNCTIONS(RadioCheck)

public:
    // In the channel monitor's order, which is the order they are checked in.
    enum Stick
    {
        Throttle,
        Collective,
        Elevator,
        Aileron,
        Rudder,
        Aux,
    };
    static constexpr int StickCount = 6;

    enum class Phase
    {
        Full,     // fully to the side named first (up, back, right), held
        Opposite, // fully the other way, held
        Release,  // let go (throttle and collective: to the middle)
        Done,
    };

    // Channel values in the monitor's order.
    using Channels = std::array<int, 6>;

    // A channel that changes by less than this did not move.
    static constexpr int MovedAtLeast = 30;
    // Both ends of a stick's travel must lie this far apart to be taken.
    static constexpr int EndsApart = 120;
    // A released stick may read this far from 0.
    static constexpr int NeutralWithin = 3;
    // "About 100": a stick end must reach this far.
    static constexpr int TravelAtLeast = 95;
    // A position is taken once this many telemetry samples in a row (about
    // 0.2 s) stay within SteadyWithin of each other.
    static constexpr int SteadySamples = 10;
    static constexpr int SteadyWithin = 2;

    struct Readings
    {
        Channels full{};
        Channels opposite{};
        Channels rest{};
    };

    struct Verdict
    {
        bool passed = false;
        QStringList advice; // one line per fault, as what to change
    };

    static QString stickName(Stick stick);
    // The transmitter channel the stick is on in the usual assignment.
    static int transmitterChannel(Stick stick);
    static QString instruction(Stick stick, Phase phase);
    static Verdict judge(Stick stick, const Readings &readings);
    static Channels channels(const Telemetry &telemetry);

    explicit RadioCheck(Stick stick);

    Stick stick() const { return which; }
    Phase phase() const { return current; }
    // One telemetry sample; true when it completed a position.
    bool feed(const Channels &sample);
    const Readings &readings() const { return taken; }
    // Once Done.
    Verdict verdict() const { return judge(which, taken); }

private:
    bool steady() const;
    bool takes(const Channels &sample) const;
    int movedChannel() const;

    Stick which;
    Phase current = Phase::Full;
    Readings taken;
    Channels baseline{};
    bool haveBaseline = false;
    QVector<Channels> recent;
};
