#pragma once

#include "info/InfoWindow.h"

#include <QString>

namespace info {

// The help window: how to make and keep a quick pick.
class Dialog : public InfoWindow {
    Q_OBJECT
public:
    struct FormData {
        QString HelpText;
    };

    explicit Dialog(FormData &form);

private slots:
    void OKButton_Click();

private:
    void Form_Load();

    QString &HelpText;
};

// The disclaimer window.
class frmdis : public InfoWindow {
    Q_OBJECT
public:
    struct FormData {
        QString DisclaimerText;
    };

    explicit frmdis(FormData &form);

private slots:
    void OKButton_Click();

private:
    void Form_Load();

    QString &DisclaimerText;
};

} // namespace info
