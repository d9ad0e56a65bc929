// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

class QLabel;
class QPushButton;
class winMain;

// One timed press of the window's Convert button with the mouse, the save
// dialog answered with the archive's path, from the press until the button
// reads "Convert" and the status "done" again.
class ConvertPress {
public:
    struct Result {
        bool finished = false;     // the window came back to idle in time
        int saveDialogs = 0;       // save dialogs asked; one for a run
        int otherDialogs = 0;      // other file dialogs asked; none for a run
        QStringList messages;      // message boxes shown; none for a run
        double runMs = 0.0;        // from the press to the window showing "done"
        double longestGapMs = 0.0; // the event loop's longest stall meanwhile
        int ticks = 0;             // times the event loop turned meanwhile
    };

    explicit ConvertPress(winMain &window);

    // Any file at archive is removed first, so only this press can leave one.
    Result run(const QString &archive);

    bool hasControls() const { return m_button && m_status; }

private:
    bool isIdle() const;

    QPushButton *m_button = nullptr;
    QLabel *m_status = nullptr;
};
