#pragma once

#include "PortSystem.h"

#include <QMap>
#include <QSet>

// The system's answers about ports as a test sets them.
struct FakePortSystem : PortSystem
{
    QList<PortEntry> ports;
    QSet<QString> missing; // paths that are not there
    QSet<QString> refused; // paths this user may not open
    QString group = QStringLiteral("dialout");
    QString user = QStringLiteral("pilot");
    bool inSession = false;
    bool inAccount = false;
    bool rule = false;
    QMap<QString, QList<PortHolder>> held;
    QStringList programs; // running

    QList<PortEntry> presentPorts() const override { return ports; }
    bool exists(const QString &path) const override { return !missing.contains(path); }
    bool canReadWrite(const QString &path) const override { return !refused.contains(path); }
    QString groupOf(const QString &) const override { return group; }
    QString userName() const override { return user; }
    bool sessionInGroup(const QString &) const override { return inSession; }
    bool accountInGroup(const QString &) const override { return inAccount; }
    bool ruleInstalled() const override { return rule; }
    QList<PortHolder> holders(const QString &path) const override { return held.value(path); }
    QStringList running(const QStringList &wanted) const override
    {
        QStringList found;
        for (const QString &p : programs)
            if (wanted.contains(p))
                found << p;
        return found;
    }
};
