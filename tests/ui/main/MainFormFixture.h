#pragma once

#include "AppForms.h"
#include "main/MainForm.h"
#include "support/MemoryTextFileLayer.h"
#include "support/ScriptedRandomSource.h"
#include "support/ShownWindow.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <memory>

namespace parolex {

/// The real program's windows around a main window of their own: a fresh program folder (with
/// @p settings as its setup.ini, unless null), a scripted random source and files in memory.
class MainFormFixture
{
public:
    explicit MainFormFixture(const QByteArray &settings = {}, bool show = true)
    {
        if (!settings.isNull())
            writeSettings(settings);
        forms =
            std::make_unique<AppForms>(MainFormSetup{programDir.path(), configDir.path(), &random, &files});
        main = forms->mainForm();
        if (show) {
            main->show();
            QVERIFY(QTest::qWaitForWindowExposed(main));
        }
    }

    template <typename Control> Control *control(const char *name) const
    {
        auto *found = main->findChild<Control *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

    /// Clicks a control where a user would: check boxes and option buttons on their box, whose
    /// captions may be much narrower than the control.
    void click(const char *name) const
    {
        auto *widget = control<QWidget>(name);
        const bool boxed = qobject_cast<QCheckBox *>(widget) || qobject_cast<QRadioButton *>(widget);
        QTest::mouseClick(widget, Qt::LeftButton, {}, boxed ? QPoint(6, widget->height() / 2) : QPoint());
    }

    /// One tick of the caption blink's timer, as one second passing would give it.
    void tickTimer1() const
    {
        auto *timer = control<QTimer>("Timer1");
        QTimerEvent tick(timer->timerId());
        QCoreApplication::sendEvent(timer, &tick);
    }

    /// Whether the Key-file row is usable as far as the Key mode goes; its frame may still
    /// be disabled.
    bool keyMode() const { return control<QWidget>("Tinput")->isEnabledTo(control<QWidget>("Frame4")); }

    QString settingsPath() const { return QDir(programDir.path()).filePath(QStringLiteral("setup.ini")); }
    QByteArray settingsBytes() const
    {
        QFile file(settingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeSettings(const QByteArray &bytes) const
    {
        QFile file(settingsPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir programDir;
    QTemporaryDir configDir;
    fakes::ScriptedRandomSource random;
    fakes::MemoryTextFileLayer files;
    std::unique_ptr<AppForms> forms;
    MainForm *main = nullptr;
};

} // namespace parolex
