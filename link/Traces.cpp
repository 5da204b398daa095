#include "Traces.h"

Q_LOGGING_CATEGORY(vrnLink, "vrn.link", QtInfoMsg)
Q_LOGGING_CATEGORY(vrnPages, "vrn.pages", QtInfoMsg)
Q_LOGGING_CATEGORY(vrnApp, "vrn.app", QtInfoMsg)

void Traces::enableAll()
{
    QLoggingCategory::setFilterRules(QStringLiteral("vrn.*.debug=true"));
}
