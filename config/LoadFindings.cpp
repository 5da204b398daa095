#include "LoadFindings.h"

#include "ConfigFile.h"
#include "ConfigKey.h"
#include "ConfigResult.h"
#include "DeviceParameters.h"
#include "ParameterCaption.h"
#include "UnitModel.h"
#include "ValueRanges.h"

#include <QSet>

#include <algorithm>
#include <vector>

namespace {

int editDistance(const QString &a, const QString &b)
{
    std::vector<int> row(size_t(b.size()) + 1);
    for (int j = 0; j <= b.size(); ++j)
        row[size_t(j)] = j;
    for (int i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = i;
        for (int j = 1; j <= b.size(); ++j) {
            const int above = row[size_t(j)];
            const int cost = a.at(i - 1).toLower() == b.at(j - 1).toLower() ? 0 : 1;
            row[size_t(j)] = std::min({above + 1, row[size_t(j - 1)] + 1, diagonal + cost});
            diagonal = above;
        }
    }
    return row[size_t(b.size())];
}

QString fieldName(const QString &key)
{
    return key.section(QLatin1Char('/'), -1);
}

int offsetOfKey(const QString &key)
{
    for (const ConfigKey &k : configKeys()) {
        if (key == QLatin1String(k.key))
            return k.offset;
    }
    return -1;
}

} // namespace

QString LoadFindings::nearestKey(const QString &name)
{
    // A name far longer than any key is no typo of one.
    if (name.size() > 40)
        return QString();
    const QString field = fieldName(name);
    QString best;
    int bestDistance = 3; // more edits than this is another word
    for (const ConfigKey &key : configKeys()) {
        if (!key.loaded)
            continue;
        const QString candidate = fieldName(QLatin1String(key.key));
        const int distance = editDistance(field, candidate);
        if (distance < bestDistance && distance < std::max<int>(2, candidate.size() / 2)) {
            bestDistance = distance;
            best = candidate;
        }
    }
    return best;
}

LoadFindings::LoadFindings(const ConfigResult &result, const DeviceParameters &now,
                           DeviceParameters &after, const ValueRanges &ranges, quint8 model)
{
    QSet<int> missingOffsets;
    for (const QString &key : result.missingKeys())
        missingOffsets.insert(offsetOfKey(key));

    const QString unitName = UnitModel::name(model);
    if (!result.savedModel().isEmpty() && model != 0 && result.savedModel() != unitName) {
        noteLines << tr("Saved from a %1 (firmware %2); this unit is a %3")
                         .arg(ConfigResult::printable(result.savedModel()),
                              ConfigResult::printable(result.savedFirmware()), unitName);
    }

    apartHeading =
        model == 0 ? tr("Not shown on the pages") : tr("Not used by the %1").arg(unitName);
    for (const ParameterCaption &row : ParameterCaption::all()) {
        if (missingOffsets.contains(row.offset))
            continue;
        const int value = after.byteAt(row.offset);
        if (!row.usedBy(model)) {
            if (value != now.byteAt(row.offset))
                apartRows.append({&row, value});
            after.setByteAt(row.offset, now.byteAt(row.offset));
            continue;
        }
        if (ranges.allows(row.offset, value))
            continue;
        flaggedAt.append(row.offset);
        flaggedLines
            << (row.format() != ParameterCaption::Format::Number &&
                        row.format() != ParameterCaption::Format::Degrees
                    ? tr("%1: no choice on the page (%2)").arg(row.shortCaption()).arg(value)
                    : tr("%1: outside the page's %2 (%3)")
                          .arg(row.shortCaption(), ranges.describe(row.offset))
                          .arg(value));
    }

    if (!result.missingKeys().isEmpty()) {
        QStringList captions;
        for (const QString &key : result.missingKeys()) {
            const ParameterCaption *row = ParameterCaption::forOffset(offsetOfKey(key));
            captions << (row ? row->shortCaption() : fieldName(key));
        }
        // A few captions a line, so that none is cut off in the list.
        noteLines << tr("Not in the file, kept as the unit holds them (%1):").arg(captions.size());
        constexpr int PerLine = 3;
        for (int i = 0; i < captions.size(); i += PerLine)
            noteLines << QStringLiteral("    ") +
                             captions.mid(i, PerLine).join(QStringLiteral(", "));
    }

    const QStringList unknown = result.unknownKeys();
    for (int i = 0; i < unknown.size() && i < ShownUnknown; ++i) {
        const QString name = ConfigResult::printable(fieldName(unknown.at(i)));
        const QString nearest = nearestKey(unknown.at(i));
        noteLines << (nearest.isEmpty()
                          ? tr("%1: not a setting").arg(name)
                          : tr("%1: not a setting; did you mean %2?").arg(name, nearest));
    }
    if (unknown.size() > ShownUnknown)
        noteLines << tr("... and %1 more that are not settings").arg(unknown.size() - ShownUnknown);
}

QString LoadFindings::summary() const
{
    if (flaggedLines.isEmpty())
        return QString();
    return tr("Values no page offers: %1, marked below").arg(flaggedLines.size());
}
