#include "info/LinkLauncher.h"

#include "common/MessageBox.h"

#include <QtGlobal>
#include <utility>

namespace parolex {
namespace {

BrowserStarter &currentStarter()
{
    static BrowserStarter starter;
    return starter;
}

void openLink(LinkKind kind, const QString &address)
{
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
    MessageBox::show(QStringLiteral("无法找到Internet Explorer，可能是您没有正确的安装IE。请手动访问。"));
}

BrowserStarter setBrowserStarter(BrowserStarter starter)
{
    return std::exchange(currentStarter(), std::move(starter));
}

void OpenWebPage(const QString &address)
{
    openLink(LinkKind::Web, address);
}

void OpenMailLink(const QString &address)
{
    openLink(LinkKind::Mail, address);
}

} // namespace parolex
