#include "SwashMixing.h"

#include <cmath>

namespace {

struct Geometry
{
    int modelType;
    double roll;
    double pitch;
    double ch3Pitch;
    double collective;
};

constexpr Geometry geometries[] = {
    {SwashMixing::Ccpm90, 1.25, 0, 1.25, 1.0},
    {SwashMixing::Ccpm120, 1.09375, 0.625, 1.25, 1.0},
    {SwashMixing::Ccpm135, 0.875, 0.875, 1.234, 1.0},
    {SwashMixing::Ccpm140, 0.8125, 0.969, 1.266, 1.0},
};

// The mechanical mixer moves one servo per axis.
int mixerServo(SwashMixing::Axis axis)
{
    switch (axis) {
    case SwashMixing::Axis::Roll:
        return 0;
    case SwashMixing::Axis::Pitch:
        return 1;
    case SwashMixing::Axis::Collective:
        return 2;
    }
    return 2;
}

// Truncation toward zero that does not lose a whole step to rounding: a
// state derived from trim 10 may give 9.9999999.
int towardZero(double value)
{
    constexpr double tolerance = 1e-9;
    return int(std::trunc(value + (value < 0 ? -tolerance : tolerance)));
}

} // namespace

bool SwashMixing::applyGeometry(int modelType)
{
    for (const Geometry &g : geometries) {
        if (g.modelType != modelType)
            continue;
        rollFactor = g.roll;
        pitchFactor = g.pitch;
        ch3PitchFactor = g.ch3Pitch;
        collectiveFactor = g.collective;
        return true;
    }
    return false;
}

bool SwashMixing::hasGeometry() const
{
    return 2 * rollFactor != 0 && 2 * pitchFactor + 2 * ch3PitchFactor != 0 &&
           collectiveFactor != 0;
}

bool SwashMixing::derive(const Servos &trims, const Servos &directions)
{
    if (!hasGeometry())
        return false;
    const double s1 = trims[0] * directions[0];
    const double s2 = trims[1] * directions[1];
    const double s3 = trims[2] * directions[2];
    trimRoll = (s2 - s1) / (2 * rollFactor);
    trimPitch = (s2 + s1 - 2 * s3) / (2 * pitchFactor + 2 * ch3PitchFactor);
    trimCollective = (ch3PitchFactor * trimPitch + s3) / collectiveFactor;
    return true;
}

SwashMixing::Servos SwashMixing::servoTrims(const Servos &directions) const
{
    const double common = collectiveFactor * trimCollective;
    const double ch1 = common + pitchFactor * trimPitch - rollFactor * trimRoll;
    const double ch2 = common + pitchFactor * trimPitch + rollFactor * trimRoll;
    const double ch3 = common - ch3PitchFactor * trimPitch;
    return {towardZero(ch1) * directions[0], towardZero(ch2) * directions[1],
            towardZero(ch3) * directions[2]};
}

std::optional<SwashMixing::Servos> SwashMixing::arrow(int modelType, Axis axis, int delta,
                                                      bool deriveFirst, const Servos &trims,
                                                      const Servos &directions)
{
    Servos result = trims;
    if (modelType == MechanicalMixer) {
        result = mixerArrow(axis, delta, trims, directions);
    } else if (isCcpm(modelType) && hasGeometry()) {
        if (deriveFirst || limitedTrims(servoTrims(directions)) != trims)
            derive(trims, directions);
        if (withinLimit(trims[0]) || withinLimit(trims[1]) || withinLimit(trims[2])) {
            member(axis) += delta;
            result = servoTrims(directions);
            // A servo held at its limit: the state takes what the servos
            // really show, not a position beyond it.
            if (limitedTrims(result) != result)
                derive(limitedTrims(result), directions);
        }
    } else {
        return std::nullopt;
    }
    return limitedTrims(result);
}

SwashMixing::Servos SwashMixing::limitedTrims(Servos trims)
{
    for (int &trim : trims)
        trim = limited(trim);
    return trims;
}

SwashMixing::Servos SwashMixing::mixerArrow(Axis axis, int delta, Servos trims,
                                            const Servos &directions) const
{
    const int n = mixerServo(axis);
    if (withinLimit(trims[n]))
        trims[n] += delta * directions[n];
    return trims;
}

double &SwashMixing::member(Axis axis)
{
    switch (axis) {
    case Axis::Roll:
        return trimRoll;
    case Axis::Pitch:
        return trimPitch;
    case Axis::Collective:
        return trimCollective;
    }
    return trimCollective;
}
