#include "StickScript.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <cmath>

namespace {

constexpr double WordCentre = 3040.0;
constexpr double WordsPerCount = 8.4;

const char *const ChannelNames[6] = {"throttle", "collective", "elevator",
                                     "aileron",  "rudder",     "aux"};

// Monitor order to wire order: wire word i carries monitor channel wireSource[i].
constexpr int WireSource[6] = {4, 3, 2, 1, 5, 0};

std::optional<qint64> parseTime(const QString &word)
{
    const bool ticks = word.endsWith(QLatin1Char('t'));
    const QString digits = ticks ? word.chopped(1) : word;
    bool ok = false;
    const qint64 n = digits.toLongLong(&ok);
    if (!ok || n < 0)
        return std::nullopt;
    return ticks ? n * StickScript::TickMs : n;
}

std::optional<int> parseValue(const QString &word)
{
    bool ok = false;
    const int value = word.toInt(&ok);
    if (!ok || value < -StickScript::Limit || value > StickScript::Limit)
        return std::nullopt;
    return value;
}

} // namespace

int StickScript::channelNamed(const QString &name)
{
    const QString lower = name.toLower();
    if (lower == QLatin1String("gain"))
        return 5;
    for (int i = 0; i < 6; ++i)
        if (lower == QLatin1String(ChannelNames[i]))
            return i;
    return -1;
}

std::optional<StickScript> StickScript::parse(const QString &text, QString *error)
{
    StickScript script;
    const auto fail = [error](int line, const QString &why) {
        if (error)
            *error = QStringLiteral("line %1: %2").arg(line).arg(why);
        return std::nullopt;
    };
    const QStringList lines = text.split(QLatin1Char('\n'));
    qint64 last = 0;
    for (int n = 0; n < lines.size(); ++n) {
        const int line = n + 1;
        const QString content = lines[n].section(QLatin1Char('#'), 0, 0).trimmed();
        if (content.isEmpty())
            continue;
        if (script.loopAt > 0)
            return fail(line, QStringLiteral("nothing may follow \"loop\""));
        const QStringList words = content.split(QRegularExpression(QStringLiteral("\\s+")));
        const std::optional<qint64> ms = parseTime(words.first());
        if (!ms)
            return fail(line, QStringLiteral("\"%1\" is not a time (ms, or ticks as \"50t\")")
                                  .arg(words.first()));
        if (*ms < last)
            return fail(line, QStringLiteral("the time goes back"));
        last = *ms;
        const QStringList rest = words.mid(1);
        if (rest == QStringList{QStringLiteral("loop")}) {
            if (*ms == 0 || script.moments.isEmpty())
                return fail(line,
                            QStringLiteral("\"loop\" needs a later time than the first moment"));
            script.loopAt = *ms;
            continue;
        }
        Moment moment{*ms, {}};
        const bool positional = !rest.isEmpty() && !rest.first().contains(QLatin1Char('='));
        if (positional && rest.size() != 6)
            return fail(line, QStringLiteral("six values, or name=value pairs"));
        if (rest.isEmpty())
            return fail(line, QStringLiteral("no channel is set"));
        for (int i = 0; i < rest.size(); ++i) {
            const QString name = positional ? QString() : rest[i].section(QLatin1Char('='), 0, 0);
            const int channel = positional ? i : channelNamed(name);
            if (channel < 0)
                return fail(line, QStringLiteral("no channel is called \"%1\"").arg(name));
            const QString valueText = positional ? rest[i] : rest[i].section(QLatin1Char('='), 1);
            const std::optional<int> value = parseValue(valueText);
            if (!value)
                return fail(line, QStringLiteral("\"%1\" is not a value from -%2 to %2")
                                      .arg(valueText)
                                      .arg(Limit));
            moment.set[size_t(channel)] = value;
        }
        script.moments.append(moment);
    }
    if (script.moments.isEmpty()) {
        if (error)
            *error = QStringLiteral("the script sets no channel");
        return std::nullopt;
    }
    return script;
}

std::optional<StickScript> StickScript::load(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    QString why;
    std::optional<StickScript> script = parse(QString::fromUtf8(file.readAll()), &why);
    if (!script && error)
        *error = QStringLiteral("%1: %2").arg(path, why);
    return script;
}

StickScript StickScript::holding(const Values &values)
{
    StickScript script;
    Moment moment{0, {}};
    for (size_t i = 0; i < values.size(); ++i)
        moment.set[i] = qBound(-Limit, values[i], Limit);
    script.moments.append(moment);
    return script;
}

StickScript::Values StickScript::valuesAt(qint64 ms) const
{
    if (loopAt > 0 && ms >= loopAt)
        ms %= loopAt;
    Values values{};
    for (const Moment &moment : moments) {
        if (moment.ms > ms)
            break;
        for (size_t i = 0; i < values.size(); ++i)
            if (moment.set[i])
                values[i] = *moment.set[i];
    }
    return values;
}

StickScript::Words StickScript::wordsFor(const Values &values)
{
    Words words{};
    for (size_t i = 0; i < words.size(); ++i) {
        const int v = values[size_t(WireSource[i])];
        // Rounded away from zero, so truncation on the PC lands on v.
        const double offset = std::ceil(std::abs(v) * WordsPerCount);
        words[i] = qint16(WordCentre + (v < 0 ? -offset : offset));
    }
    return words;
}
