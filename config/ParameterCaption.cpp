#include "ParameterCaption.h"

#include "DeviceParameters.h"
#include "UnitModel.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

using F = ParameterCaption::Format;

// The name at a list's index, as its page words it; a code no list knows is
// shown as its number.
QString nameAt(F format, int index, int value)
{
    const ParameterTable::ChoiceList *list = ParameterTable::listOf(format);
    if (!list || index < 0 || index >= list->count)
        return QString::number(value);
    return QCoreApplication::translate(list->texts[index].context, list->texts[index].text);
}

// "Roll" and "Total Gain" as one caption; Chinese writes them without a space.
QString joined(const QString &first, const QString &second)
{
    //: a row or tab title followed by a field's label: "Roll Total Gain"
    return QCoreApplication::translate("ParameterCaption", "%1 %2").arg(first, second);
}

} // namespace

const QVector<ParameterCaption> &ParameterCaption::all()
{
    static const QVector<ParameterCaption> rows = [] {
        QVector<ParameterCaption> shown;
        for (const ParameterTable::Field &f : ParameterTable::fields) {
            if (f.tab == ParameterTable::Tab::None)
                continue;
            shown.append(ParameterCaption{&f, f.offset, f.page(),
                                          ParameterTable::tabTitles[int(f.tab)].title, f.prefix,
                                          f.label, f.use});
        }
        // The table is in the file's order; the pilot reads the pages'.
        std::stable_sort(shown.begin(), shown.end(),
                         [](const ParameterCaption &a, const ParameterCaption &b) {
                             return std::make_pair(a.field->tab, a.field->line) <
                                    std::make_pair(b.field->tab, b.field->line);
                         });
        return shown;
    }();
    return rows;
}

const ParameterCaption *ParameterCaption::forOffset(int offset)
{
    for (const ParameterCaption &row : all()) {
        if (row.offset == offset)
            return &row;
    }
    return nullptr;
}

QString ParameterCaption::pageName() const
{
    switch (page) {
    case Page::Basic:
        return QCoreApplication::translate("contentWidget", "Basic");
    case Page::Setup:
        return QCoreApplication::translate("contentWidget", "Setup");
    case Page::Advanced:
        return QCoreApplication::translate("contentWidget", "Advanced");
    case Page::None:
        break;
    }
    return QString();
}

QString ParameterCaption::tabName() const
{
    // The forms pad their tab titles with spaces.
    return QCoreApplication::translate(ParameterTable::tabTitles[int(field->tab)].context, tab)
        .trimmed();
}

QString ParameterCaption::formText(const FormText &part) const
{
    // Multi-line labels read as one line in a list.
    return QCoreApplication::translate(ParameterTable::tabTitles[int(field->tab)].context,
                                       part.text, part.comment)
        .simplified();
}

QString ParameterCaption::text() const
{
    if (!label.text)
        return tabName();
    if (!prefix.text)
        return formText(label);
    return joined(formText(prefix), formText(label));
}

QString ParameterCaption::shortCaption() const
{
    const QString own = text();
    const auto same = std::count_if(all().begin(), all().end(),
                                    [&](const ParameterCaption &row) { return row.text() == own; });
    return same > 1 ? joined(tabName(), own) : own;
}

bool ParameterCaption::usedBy(quint8 model) const
{
    switch (use) {
    case Use::Both:
        return true;
    case Use::X1Only:
        return model != UnitModel::A1;
    case Use::Hidden:
        return false;
    }
    return true;
}

QString ParameterCaption::fullCaption() const
{
    // A field the tab stands for as a whole is named by the tab alone.
    if (!label.text)
        return QStringLiteral("%1 · %2").arg(pageName(), tabName());
    return QStringLiteral("%1 · %2 · %3").arg(pageName(), tabName(), text());
}

ParameterCaption::Format ParameterCaption::format() const
{
    return field->format;
}

QString ParameterCaption::valueText(int value) const
{
    const Format shownAs = format();
    switch (shownAs) {
    case Format::Number:
        break;
    case Format::Degrees:
        return QStringLiteral("%1°").arg(value / 10.0, 0, 'f', 1);
    case Format::Direction:
        return nameAt(shownAs, value == 1 ? 0 : 1, value);
    case Format::Receiver:
        return nameAt(shownAs, receiverListIndex(value), value);
    case Format::Mounting: {
        const auto *code = std::find(std::begin(ParameterTable::mountingCodes),
                                     std::end(ParameterTable::mountingCodes), value);
        return nameAt(shownAs, int(code - std::begin(ParameterTable::mountingCodes)), value);
    }
    case Format::SwashType:
    case Format::SwashServoType:
    case Format::TailServoType:
    case Format::FlightMode:
        // These lists start at code 1.
        return nameAt(shownAs, value - 1, value);
    case Format::EngineType:
    case Format::AuxFunction:
    case Format::Governor:
        return nameAt(shownAs, value, value);
    }
    return QString::number(value);
}

QVector<const ParameterCaption *> ParameterCaption::differences(const DeviceParameters &now,
                                                                const DeviceParameters &after)
{
    QVector<const ParameterCaption *> rows;
    for (const ParameterCaption &row : all()) {
        if (now.byteAt(row.offset) != after.byteAt(row.offset))
            rows.append(&row);
    }
    return rows;
}

int ParameterCaption::receiverListIndex(int code)
{
    return code == 5 ? 6 : code == 6 ? 5 : code;
}

const int *ParameterCaption::mountingCodes(int *count)
{
    *count = int(std::size(ParameterTable::mountingCodes));
    return ParameterTable::mountingCodes;
}
