// SPDX-License-Identifier: MIT
#pragma once

#include "dialogs.h"

// Qt's file dialogs and message box, given every setting of the request.
class PlatformDialogs : public Dialogs {
public:
    std::optional<QString> chooseFile(QWidget *parent, const FileDialogRequest &request) override;
    void showMessage(QWidget *parent, const QString &text) override;
};
