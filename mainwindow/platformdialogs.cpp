// SPDX-License-Identifier: MIT
#include "platformdialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>

std::optional<QString> PlatformDialogs::chooseFile(QWidget *parent, const FileDialogRequest &request)
{
    QFileDialog dialog(parent, request.title);
    const bool saving = request.mode == FileDialogRequest::Mode::Save;
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // File dialogs have no prompt line of their own; the file-name label is
    // the place where the prompt reads naturally.
    dialog.setLabelText(QFileDialog::FileName, request.prompt);
    dialog.setLabelText(QFileDialog::Accept, request.actionButton);
    if (!request.filterName.isEmpty()) {
        dialog.setNameFilter(QStringLiteral("%1 (*%2)").arg(request.filterName, request.filterExtension));
        dialog.setDefaultSuffix(request.filterExtension.mid(1));
    }
    if (!request.initialPath.isEmpty())
        dialog.setDirectory(QFileInfo(request.initialPath).absolutePath());
    if (!request.suggestedName.isEmpty())
        dialog.selectFile(request.suggestedName);
    // Asking before replacing a file is the save dialog's default.

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
}

void PlatformDialogs::showMessage(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, parent);
    box.exec();
}
