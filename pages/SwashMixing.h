#pragma once

#include <QtGlobal>

#include <array>
#include <optional>

// The swash plate arithmetic behind the Setup page's trim arrow pad. The three
// swash servos are modelled as a linear mix of a collective position C, a roll
// position R and a pitch position P:
//
//   CH1 = collectiveFactor*C + pitchFactor*P - rollFactor*R
//   CH2 = collectiveFactor*C + pitchFactor*P + rollFactor*R
//   CH3 = collectiveFactor*C - ch3PitchFactor*P
//
// The factors depend on the swash plate type; C, R and P (the mixing state) are
// a working copy that the arrows move, kept with fractions so that repeated
// one-step clicks follow the geometry instead of accumulated rounding.
class SwashMixing
{
public:
    using Servos = std::array<int, 3>; // CH1, CH2, CH3

    enum class Axis
    {
        Collective,
        Pitch,
        Roll
    };

    // model_type codes of the swash plate types.
    static constexpr int MechanicalMixer = 1;
    static constexpr int Ccpm120 = 2;
    static constexpr int Ccpm135 = 3;
    static constexpr int Ccpm140 = 4;
    static constexpr int Ccpm90 = 5;

    static constexpr int TrimLimit = 125;

    // Geometry. Zero until a CCPM type is applied: a page that has not seen
    // one yet has no geometry to compute with.
    double rollFactor = 0;
    double pitchFactor = 0;
    double ch3PitchFactor = 0;
    double collectiveFactor = 0;

    // Mixing state, in trim units.
    double trimCollective = 0;
    double trimRoll = 0;
    double trimPitch = 0;

    // A servo direction byte as the page shows and uses it: 1 is normal, any
    // other value (-1, or what an unknown unit sent) reversed.
    static int direction(int reverseByte) { return reverseByte == 1 ? 1 : -1; }

    static bool isCcpm(int modelType) { return modelType >= Ccpm120 && modelType <= Ccpm90; }

    // Sets the four factors of a CCPM type; any other type leaves them.
    bool applyGeometry(int modelType);
    // True once every divisor of the derivation is non-zero.
    bool hasGeometry() const;

    // Mixing state from the servo trims and directions (1 or -1). Without a
    // geometry the state is left as it is and false returned.
    bool derive(const Servos &trims, const Servos &directions);
    // Servo trims for the current state, each truncated toward zero and then
    // multiplied by its direction.
    Servos servoTrims(const Servos &directions) const;

    // One click of the arrow pad: `delta` is sign times step on `axis`. It
    // starts from `trims` as the pilot sees them: the mixing state is derived
    // again whenever it no longer gives those trims (a trim typed or moved
    // since), and it follows a trim held at the limit, so a step back always
    // starts from the limit.
    // Returns the three trims to show, limited to +-TrimLimit, or nothing when
    // the pad has nothing sound to compute with (a swash type the pad does not
    // know, or a CCPM type before any geometry was applied).
    std::optional<Servos> arrow(int modelType, Axis axis, int delta, bool deriveFirst,
                                const Servos &trims, const Servos &directions);

    void clearState() { trimCollective = trimRoll = trimPitch = 0; }

    static bool withinLimit(int trim) { return trim >= -TrimLimit && trim <= TrimLimit; }
    static int limited(int trim) { return qBound(-TrimLimit, trim, TrimLimit); }
    static Servos limitedTrims(Servos trims);

private:
    Servos mixerArrow(Axis axis, int delta, Servos trims, const Servos &directions) const;
    double &member(Axis axis);
};
