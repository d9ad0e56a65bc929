// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

class QWidget;

// Everything a file dialog is given, so that a test can see it whole.
struct FileDialogRequest {
    enum class Mode { Open, Save };

    Mode mode = Mode::Open;
    QString title;
    QString prompt;
    QString actionButton;
    QString filterName;      // empty: no filter
    QString filterExtension; // ".mpa"
    QString suggestedName;
    QString initialPath; // empty: the dialog's own choice

    bool operator==(const FileDialogRequest &) const = default;
};

// The seam through which the program shows every modal dialog and message
// box. The platform's dialogs serve unless a test installs its own answers.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // The chosen file's absolute path; nothing when the user cancels.
    virtual std::optional<QString> chooseFile(QWidget *parent, const FileDialogRequest &request) = 0;
    virtual void showMessage(QWidget *parent, const QString &text) = 0;

    static Dialogs &current();
    // nullptr brings back the platform's dialogs. The caller keeps ownership.
    static void install(Dialogs *dialogs);
};
