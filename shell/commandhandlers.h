// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>
#include <vector>

// Command handlers registered under a name by the application or a window.
// Names match menu item names without regard to letter case, so that the
// handler registered as "filecloseWindow" serves the item FileCloseWindow.
class CommandHandlers {
public:
    // Returns whether the command counts as handled.
    using Handler = std::function<bool()>;

    void add(const QString &name, Handler handler);
    bool has(const QString &name) const;
    // Calls the handler of that name and returns its result; false when
    // there is none.
    bool invoke(const QString &name) const;
    QStringList names() const; // in the order of registration

private:
    const Handler *find(const QString &name) const;

    struct Entry {
        QString name;
        Handler handler;
    };
    std::vector<Entry> m_entries;
};
