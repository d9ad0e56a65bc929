// SPDX-License-Identifier: MIT
#include "menuitem.h"

namespace {

QAction::MenuRole roleFor(MenuItemKind kind)
{
    switch (kind) {
    case MenuItemKind::Preferences:
        return QAction::PreferencesRole;
    case MenuItemKind::Quit:
        return QAction::QuitRole;
    case MenuItemKind::About:
        return QAction::AboutRole;
    case MenuItemKind::Plain:
        break;
    }
    // Not the text heuristic: only the three special kinds may move.
    return QAction::NoRole;
}

} // namespace

MenuItem::MenuItem(MenuItemKind kind, QObject *parent)
    : QAction(parent)
    , m_kind(kind)
{
    setMenuRole(roleFor(kind));
}

void MenuItem::setKeyboardShortcut(const QString &text)
{
    m_keyboardShortcut = text;
    setShortcut(keySequenceFor(text));
}

QKeySequence MenuItem::keySequenceFor(const QString &text)
{
    if (text.isEmpty())
        return {};
    // "Cmd" is the command modifier, which Qt calls Ctrl on every platform
    // (it is the Command key on macOS). A modifier named twice, as in
    // "Cmd+Cmd+Q", counts once.
    const QStringList parts = text.split(QLatin1Char('+'));
    QStringList modifiers;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        const QString modifier = parts[i].compare(QLatin1String("Cmd"), Qt::CaseInsensitive) == 0
                                     ? QStringLiteral("Ctrl")
                                     : parts[i];
        if (!modifiers.contains(modifier, Qt::CaseInsensitive))
            modifiers.append(modifier);
    }
    modifiers.append(parts.last());
    return QKeySequence(modifiers.join(QLatin1Char('+')), QKeySequence::PortableText);
}
