#pragma once

#include <QString>
#include <QVector>

#include <array>
#include <optional>

// Where the pilot's sticks are over time, for the simulated unit: a list of
// moments, each setting some channels, which hold until a later moment
// changes them. Written as text, one moment a line:
//
//     # the sticks centred, throttle low
//     0      throttle=-100 collective=0 elevator=0 aileron=0 rudder=0 aux=-100
//     1000   aileron=100          # at 1 s: aileron fully right
//     60t    aileron=0            # times in ticks of 20 ms are written "60t"
//     2000   0 0 0 -100 0 100     # or all six channels in the monitor's order
//     3000   loop                 # start over from the first moment
//
// Values are the channel monitor's counts (-125..125). Channels a moment
// does not name keep their value; before the first moment all are 0.
class StickScript
{
public:
    // The channel monitor's order: throttle, collective, elevator, aileron,
    // rudder, aux.
    using Values = std::array<int, 6>;
    // The unit's raw words in wire order: rudder, aileron, elevator,
    // collective, gain, throttle.
    using Words = std::array<qint16, 6>;

    static constexpr int TickMs = 20;
    static constexpr int Limit = 125;

    // The script, or nothing with the first fault in `error` ("line 3: ...").
    static std::optional<StickScript> parse(const QString &text, QString *error = nullptr);
    static std::optional<StickScript> load(const QString &path, QString *error = nullptr);

    // A script that holds one position from the start.
    static StickScript holding(const Values &values);

    Values valuesAt(qint64 ms) const;
    Words wordsAt(qint64 ms) const { return wordsFor(valuesAt(ms)); }
    // The words the unit sends for channel values, chosen so that the PC's
    // decoding, (w - 3040) / 8.4 truncated, gives the values back exactly.
    static Words wordsFor(const Values &values);
    // The channel a name stands for ("aileron", "aux", "gain"), or -1.
    static int channelNamed(const QString &name);

    int momentCount() const { return int(moments.size()); }
    // 0 when the script does not start over.
    qint64 loopMs() const { return loopAt; }

private:
    struct Moment
    {
        qint64 ms;
        std::array<std::optional<int>, 6> set;
    };
    QVector<Moment> moments;
    qint64 loopAt = 0;
};
