#include "Captions.h"

#include <QHash>

namespace Captions {

namespace {

Language current = English;

const QHash<QString, QString> &chinese()
{
    static const QHash<QString, QString> table = {
        {"NOSE", QString::fromUtf8("机头")},
        {"LABEL UP, PLUGS AFT", QString::fromUtf8("标签朝上 插头朝后")},
        {"LABEL UP, PLUGS FWD", QString::fromUtf8("标签朝上 插头朝前")},
        {"LABEL DOWN, PLUGS AFT", QString::fromUtf8("标签朝下 插头朝后")},
        {"LABEL DOWN, PLUGS FWD", QString::fromUtf8("标签朝下 插头朝前")},
        {"LABEL RIGHT, PLUGS AFT", QString::fromUtf8("标签朝右 插头朝后")},
        {"LABEL LEFT, PLUGS AFT", QString::fromUtf8("标签朝左 插头朝后")},
        {"RECEIVER", QString::fromUtf8("接收机")},
        {"SERVOS", QString::fromUtf8("舵机")},
        {"SWASH TYPE", QString::fromUtf8("十字盘类型")},
        {"1 SERVO (NO MIX)", QString::fromUtf8("单舵机（无混控）")},
        {"3 SERVO 120\u00B0", QString::fromUtf8("3 舵机 120\u00B0")},
        {"3 SERVO 140\u00B0", QString::fromUtf8("3 舵机 140\u00B0")},
        {"3 SERVO 90\u00B0", QString::fromUtf8("3 舵机 90\u00B0")},
        {"TRIM 0   SUB-TRIM 0", QString::fromUtf8("微调 0   副微调 0")},
        {"ALL MIXES OFF", QString::fromUtf8("关闭所有混控")},
        {"PITCH CURVE", QString::fromUtf8("螺距曲线")},
        {"STRAIGHT LINE", QString::fromUtf8("直线")},
    };
    return table;
}

} // namespace

void setLanguage(Language language)
{
    current = language;
}

Language language()
{
    return current;
}

QString text(const char *english)
{
    const QString source = QString::fromUtf8(english);
    if (current == English)
        return source;
    // A caption without a translation is a fault of this table: say so loudly.
    Q_ASSERT_X(chinese().contains(source), "Captions::text", english);
    return chinese().value(source, source);
}

qreal pixelSize(qreal englishSize)
{
    return current == Chinese ? qMax(englishSize, 10.0) : englishSize;
}

} // namespace Captions
