#include "info/LinkLauncher.h"

#include "common/MessageBox.h"

#include <QPointer>
#include <QWidget>
#include <QtGlobal>
#include <utility>

namespace parolex {
namespace {

BrowserStarter &currentStarter()
{
    static BrowserStarter starter;
    return starter;
}

// The failure may be reported later, from the event loop, when the opener has ended.
QPointer<QWidget> &linkWindow()
{
    static QPointer<QWidget> window;
    return window;
}

void openLink(LinkKind kind, const QString &address, QWidget *raisedBy)
{
    linkWindow() = raisedBy;
    const BrowserCommand command = composeBrowserCommand(qEnvironmentVariable("windir"), kind, address);
    const BrowserStarter &starter = currentStarter();
    const bool started = starter ? starter(command) : startBrowserMinimized(command);
    if (!started)
        reportBrowserFailure();
}

} // namespace

BrowserCommand composeBrowserCommand(QStringView windir, LinkKind kind, QStringView address)
{
    QString argument = kind == LinkKind::Mail ? QStringLiteral("mailto:") : QString();
    argument += address;
    const QString driveRoot = windir.left(3).toString().leftJustified(3, QLatin1Char(' '));
    const QString program = driveRoot + QStringLiteral("program files\\internet explorer\\iexplore.exe");
    return {program + u' ' + argument, program, argument};
}

void reportBrowserFailure()
{
    MessageBox::show(QStringLiteral("无法找到Internet Explorer，可能是您没有正确的安装IE。请手动访问。"), {},
                     QMessageBox::NoIcon, linkWindow());
}

BrowserStarter setBrowserStarter(BrowserStarter starter)
{
    return std::exchange(currentStarter(), std::move(starter));
}

void OpenWebPage(const QString &address, QWidget *raisedBy)
{
    openLink(LinkKind::Web, address, raisedBy);
}

void OpenMailLink(const QString &address, QWidget *raisedBy)
{
    openLink(LinkKind::Mail, address, raisedBy);
}

} // namespace parolex
