// SPDX-License-Identifier: MIT
#include "listcontextmenu.h"

ListContextMenu::ListContextMenu(QWidget *parent)
    : QMenu(parent)
{
    setObjectName(QStringLiteral("ContextualMenu1"));
    ContextualMenu1_Open();
}

void ListContextMenu::ContextualMenu1_Open()
{
    const QStringList fields = QStringLiteral("Sort List,-,Delete Item,-,Clear List").split(QLatin1Char(','));
    for (const QString &field : fields) {
        if (field == QLatin1String("-"))
            addSeparator();
        else
            addAction(field);
    }
}

QString ListContextMenu::choose(const QPoint &globalPosition)
{
    const QAction *chosen = exec(globalPosition);
    return chosen ? chosen->text() : QString();
}
