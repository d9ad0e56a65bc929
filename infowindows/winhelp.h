// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>

class StyledTextField;

// The Help window: one page of styled help text that fills the window.
class winHelp : public QWidget {
    Q_OBJECT
public:
    static winHelp &instance();
    static winHelp *existing();

    static QString helpText();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    winHelp();
    void EditField1_Open();

    StyledTextField *EditField1 = nullptr;

    static QPointer<winHelp> s_instance;
};
