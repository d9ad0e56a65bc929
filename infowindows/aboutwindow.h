// SPDX-License-Identifier: MIT
#pragma once

#include "commandhandlers.h"
#include "commandtarget.h"

#include <QPointer>
#include <QWidget>

class PictureCanvas;
class QLabel;
class StyledTextField;

// The version fields a version text is made of.
struct VersionFields {
    int major = 0;
    int minor = 0;
    int bug = 0;
    int stageCode = 0; // 0 development, 1 alpha, 2 beta, 3 final
    int nonRelease = 0;
};

// The About window: icon, name, version, credits, rights notice and a badge
// that opens the project's web page. It has one layout with the credits and
// one, 148 pixels shorter, without them.
class AboutWindow : public QWidget, public CommandTarget {
    Q_OBJECT
public:
    static AboutWindow &instance();
    static AboutWindow *existing();

    void SetCreditsFieldText(const QString &text, bool markup);
    void Show(bool useCredits);
    void SetupWindow();
    QString VersionString() const;
    static QString VersionString(const VersionFields &fields);

    static QString credits();
    static QString rightsNotice();
    static QString webAddress();

    const CommandHandlers &commandHandlers() const override { return m_handlers; }

private:
    AboutWindow();

    void createControls();
    void AddMenuHandlers();
    bool _FileCloseWindow_Action();
    bool _EditSelectAll_Action();
    void BadgeIconCanvas_MouseDown();

    bool UseCredits = false;

    PictureCanvas *AppIconCanvas = nullptr;
    QLabel *StatAppName = nullptr;
    QLabel *StatAppVersion = nullptr;
    StyledTextField *EditAppCredits = nullptr;
    QLabel *StatAppCopyright = nullptr;
    PictureCanvas *BadgeIconCanvas = nullptr;

    CommandHandlers m_handlers;

    static QPointer<AboutWindow> s_instance;
};
