#pragma once

#include "common/Forms.h"
#include "skin/Skin.h"

#include <QCheckBox>
#include <QWidget>
#include <cstdlib>

namespace parolex {

/// Stands in for the window registry: a plain main window whose "总在最前" box behaves like
/// the real one (its change puts the window into or out of the top layer), and a count of
/// the dialogs asked for.
class FakeForms : public Forms
{
public:
    FakeForms() : chTop(new QCheckBox(QStringLiteral("总在最前"), &main))
    {
        QObject::connect(chTop, &QCheckBox::toggled, &main, [this](bool on) {
            ++chTopClickRuns;
            SetAlwaysOnTop(&main, on);
        });
        main.resize(200, 100);
        main.show();
    }

    static bool isOnTop(QWidget *window) { return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

    QWidget *mainWindow() override { return &main; }
    void untickMainAlwaysOnTop() override
    {
        mainOnTopWhenUnticked = isOnTop(&main);
        chTop->setChecked(false);
    }
    void showAbout() override { ++aboutRequests; }
    void showKeyCheck() override {}
    void showCustomize() override {}
    void unloadAbout() override {}
    void unloadKeyCheck() override {}
    Waiting &progress() override { std::abort(); }
    void unloadProgress() override {}

    QWidget main;
    QCheckBox *chTop;
    int chTopClickRuns = 0;
    bool mainOnTopWhenUnticked = false;
    int aboutRequests = 0;
};

} // namespace parolex
