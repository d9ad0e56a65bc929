// SPDX-License-Identifier: MIT
#pragma once

#include <QAction>
#include <QKeySequence>

enum class MenuItemKind { Plain, Preferences, Quit, About };

// One item of the menu bar, identified by its Name (the object name). Menu
// titles are items too, carrying their menu.
class MenuItem : public QAction {
    Q_OBJECT
public:
    MenuItem(MenuItemKind kind, QObject *parent);

    QString name() const { return objectName(); }
    MenuItemKind kind() const { return m_kind; }

    // Whether the item is enabled whenever a handler for it can be reached.
    bool autoEnable() const { return m_autoEnable; }
    void setAutoEnable(bool autoEnable) { m_autoEnable = autoEnable; }

    // The shortcut as written ("Cmd+N"); Cmd is the platform's command key.
    QString keyboardShortcut() const { return m_keyboardShortcut; }
    void setKeyboardShortcut(const QString &text);

    static QKeySequence keySequenceFor(const QString &text);

private:
    MenuItemKind m_kind;
    bool m_autoEnable = false;
    QString m_keyboardShortcut;
};
