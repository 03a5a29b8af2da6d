#pragma once

#include "info/InfoWindow.h"

namespace info {

// The help window: how to make and keep a quick pick.
class Dialog : public InfoWindow {
    Q_OBJECT
public:
    Dialog();

private slots:
    void OKButton_Click();

private:
    void Form_Load();
};

// The disclaimer window.
class frmdis : public InfoWindow {
    Q_OBJECT
public:
    frmdis();

private slots:
    void OKButton_Click();

private:
    void Form_Load();
};

} // namespace info
