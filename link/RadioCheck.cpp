#include "RadioCheck.h"

#include <cstdlib>

namespace {

// Throttle and collective stay where the stick is put; there is no neutral
// to spring back to, and throttle's middle is the pilot's throttle curve.
bool checksNeutral(RadioCheck::Stick stick)
{
    return stick != RadioCheck::Throttle && stick != RadioCheck::Aux;
}

} // namespace

QString RadioCheck::stickName(Stick stick)
{
    switch (stick) {
    case Throttle:
        return tr("Throttle");
    case Collective:
        return tr("Collective");
    case Elevator:
        return tr("Elevator");
    case Aileron:
        return tr("Aileron");
    case Rudder:
        return tr("Rudder");
    case Aux:
        return tr("AUX switch");
    }
    return QString();
}

int RadioCheck::transmitterChannel(Stick stick)
{
    // Aileron 1, elevator 2, throttle 3, rudder 4, AUX 5, collective 6.
    static constexpr int channels[StickCount] = {3, 6, 2, 1, 4, 5};
    return channels[stick];
}

QString RadioCheck::instruction(Stick stick, Phase phase)
{
    static const char *const texts[StickCount][3] = {
        {QT_TR_NOOP("Move the throttle stick fully up and hold"),
         QT_TR_NOOP("Move the throttle stick fully down and hold"),
         QT_TR_NOOP("Move the throttle stick to the middle and hold")},
        {QT_TR_NOOP("Move the collective stick fully up and hold"),
         QT_TR_NOOP("Move the collective stick fully down and hold"),
         QT_TR_NOOP("Move the collective stick to the middle and hold")},
        {QT_TR_NOOP("Pull the elevator stick fully back and hold"),
         QT_TR_NOOP("Push the elevator stick fully forward and hold"),
         QT_TR_NOOP("Release the elevator stick")},
        {QT_TR_NOOP("Move the aileron stick fully right and hold"),
         QT_TR_NOOP("Move the aileron stick fully left and hold"),
         QT_TR_NOOP("Release the aileron stick")},
        {QT_TR_NOOP("Move the rudder stick fully right and hold"),
         QT_TR_NOOP("Move the rudder stick fully left and hold"),
         QT_TR_NOOP("Release the rudder stick")},
        {QT_TR_NOOP("Flip the AUX switch to its other position"),
         QT_TR_NOOP("Flip the AUX switch back"), QT_TR_NOOP("Leave the AUX switch")},
    };
    if (phase == Phase::Done)
        return tr("%1 checked").arg(stickName(stick));
    return tr(texts[stick][int(phase)]);
}

RadioCheck::Channels RadioCheck::channels(const Telemetry &t)
{
    return {t.accelerator, t.collective, t.elevator, t.aileron, t.rudder, t.gain};
}

// Faults in the order a pilot fixes them: the channel, its direction, its
// end points, its neutral. A channel in the wrong place says nothing of the
// rest.
RadioCheck::Verdict RadioCheck::judge(Stick stick, const Readings &r)
{
    Verdict verdict;
    const int c = stick;
    const QString name = stickName(stick);
    const int channel = transmitterChannel(stick);
    if (std::abs(r.full[c] - r.opposite[c]) < MovedAtLeast) {
        int moved = -1, most = MovedAtLeast - 1;
        for (int i = 0; i < StickCount; ++i) {
            const int travel = std::abs(r.full[i] - r.opposite[i]);
            if (travel > most) {
                most = travel;
                moved = i;
            }
        }
        if (moved >= 0)
            verdict.advice
                << tr("%1 moves the %2 channel instead: put %1 on channel %3 in your transmitter")
                       .arg(name, stickName(Stick(moved)))
                       .arg(channel);
        else
            verdict.advice << tr("%1 does not move: check that channel %2 is assigned in your "
                                 "transmitter and plugged in")
                                  .arg(name)
                                  .arg(channel);
        return verdict;
    }
    if (stick != Aux) {
        const bool reversed = r.full[c] < r.opposite[c];
        if (reversed)
            verdict.advice << tr("%1 is reversed: reverse channel %2 in your transmitter")
                                  .arg(name)
                                  .arg(channel);
        const int high = reversed ? r.opposite[c] : r.full[c];
        const int low = reversed ? r.full[c] : r.opposite[c];
        for (int end : {high, low})
            if (std::abs(end) < TravelAtLeast)
                verdict.advice << tr("%1 reaches only %2: raise its end point").arg(name).arg(end);
    }
    if (checksNeutral(stick) && std::abs(r.rest[c]) > NeutralWithin)
        verdict.advice << tr("%1 rests at %2: set its sub-trim").arg(name).arg(r.rest[c]);
    verdict.passed = verdict.advice.isEmpty();
    return verdict;
}

RadioCheck::RadioCheck(Stick stick) : which(stick) {}

bool RadioCheck::steady() const
{
    if (recent.size() < SteadySamples)
        return false;
    const Channels &last = recent.constLast();
    for (const Channels &sample : recent)
        for (int i = 0; i < StickCount; ++i)
            if (std::abs(sample[i] - last[i]) > SteadyWithin)
                return false;
    return true;
}

// The channel that moved most from where the sticks were at the start.
int RadioCheck::movedChannel() const
{
    int moved = 0, most = -1;
    for (int i = 0; i < StickCount; ++i) {
        const int travel = std::abs(taken.full[i] - baseline[i]);
        if (travel > most) {
            most = travel;
            moved = i;
        }
    }
    return moved;
}

bool RadioCheck::takes(const Channels &s) const
{
    switch (current) {
    case Phase::Full:
        for (int i = 0; i < StickCount; ++i)
            if (std::abs(s[i] - baseline[i]) >= MovedAtLeast)
                return true;
        return false;
    case Phase::Opposite: {
        const int c = movedChannel();
        const int apart = which == Aux ? MovedAtLeast : EndsApart;
        return std::abs(s[c] - taken.full[c]) >= apart;
    }
    case Phase::Release: {
        const int c = movedChannel();
        return std::abs(s[c] - taken.full[c]) >= MovedAtLeast &&
               std::abs(s[c] - taken.opposite[c]) >= MovedAtLeast;
    }
    case Phase::Done:
        break;
    }
    return false;
}

bool RadioCheck::feed(const Channels &sample)
{
    if (current == Phase::Done)
        return false;
    recent.append(sample);
    if (recent.size() > SteadySamples)
        recent.removeFirst();
    if (!steady())
        return false;
    // Where the sticks rest when the check starts, once they hold still: a
    // reply still on its way from before, or a stick not yet let go, is not it.
    if (!haveBaseline) {
        baseline = sample;
        haveBaseline = true;
        return false;
    }
    if (!takes(sample))
        return false;
    switch (current) {
    case Phase::Full:
        taken.full = sample;
        current = Phase::Opposite;
        break;
    case Phase::Opposite:
        taken.opposite = sample;
        // A switch has no neutral: where it was flipped back is its rest.
        if (which == Aux) {
            taken.rest = sample;
            current = Phase::Done;
        } else {
            current = Phase::Release;
        }
        break;
    case Phase::Release:
        taken.rest = sample;
        current = Phase::Done;
        break;
    case Phase::Done:
        break;
    }
    recent.clear();
    return true;
}
