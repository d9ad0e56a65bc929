// SPDX-License-Identifier: MIT
#include "commandhandlers.h"

#include <QStringList>

void CommandHandlers::add(const QString &name, Handler handler)
{
    m_entries.push_back({name, std::move(handler)});
}

bool CommandHandlers::has(const QString &name) const
{
    return find(name) != nullptr;
}

bool CommandHandlers::invoke(const QString &name) const
{
    const Handler *handler = find(name);
    return handler && (*handler)();
}

QStringList CommandHandlers::names() const
{
    QStringList names;
    for (const Entry &entry : m_entries)
        names.append(entry.name);
    return names;
}

const CommandHandlers::Handler *CommandHandlers::find(const QString &name) const
{
    for (const Entry &entry : m_entries) {
        if (entry.name.compare(name, Qt::CaseInsensitive) == 0)
            return &entry.handler;
    }
    return nullptr;
}
