#include "support/FakeRunUi.h"

namespace parolex::fakes {

QString iconName(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None:
        return QStringLiteral("None");
    case MessageIcon::Warning:
        return QStringLiteral("Warning");
    case MessageIcon::Information:
        return QStringLiteral("Information");
    }
    return {};
}

void FakeRunUi::showMessage(const QString &text, const QString &title, MessageIcon icon)
{
    calls << QStringLiteral("message|%1|%2|%3").arg(iconName(icon), title, text);
    if (onMessage)
        onMessage();
}

void FakeRunUi::showProgress()
{
    calls << QStringLiteral("showProgress");
    progressLoaded = true;
}

void FakeRunUi::showProgressLabel()
{
    calls << QStringLiteral("label");
    progressLoaded = true;
}

void FakeRunUi::setProgressText(const QString &text)
{
    calls << QStringLiteral("text|") + text;
}

void FakeRunUi::closeProgress()
{
    calls << QStringLiteral("closeProgress");
    progressLoaded = false;
}

void FakeRunUi::clearResults()
{
    calls << QStringLiteral("clear");
    results.clear();
}

void FakeRunUi::appendResults(const SharedPasswordBlock &block, qsizetype first, qsizetype count)
{
    calls << QStringLiteral("append|%1|%2").arg(first).arg(count);
    results.append(block, first, count);
}

void FakeRunUi::insertResultAtTop(QStringView password)
{
    if (recordInserts)
        calls << QStringLiteral("insert|") + password.toString();
    results.insertAtTop(password);
}

void FakeRunUi::selectResult(QStringView password)
{
    calls << QStringLiteral("select|") + password.toString();
    selectedRow = results.indexOf(password);
}

void FakeRunUi::enableResults()
{
    calls << QStringLiteral("enable");
    resultsEnabled = true;
}

void FakeRunUi::setClipboardText(const QString &text)
{
    calls << QStringLiteral("clipboard|") + text;
    clipboard = text;
}

bool FakeRunUi::eventPassDue()
{
    const qsizetype question = eventPassQuestions++;
    return question < eventPassScript.size() && eventPassScript[question];
}

void FakeRunUi::processPendingEvents()
{
    calls << QStringLiteral("events");
    ++eventPasses;
}

bool FakeRunUi::stopRequested()
{
    return stopAtPass > 0 && eventPasses >= stopAtPass;
}

QStringList FakeRunUi::resultTexts() const
{
    QStringList texts;
    for (qsizetype row = 0; row < results.size(); ++row)
        texts << results.text(row);
    return texts;
}

QStringList FakeRunUi::callsStartingWith(const QString &prefix) const
{
    QStringList matching;
    for (const QString &call : calls) {
        if (call.startsWith(prefix))
            matching << call;
    }
    return matching;
}

} // namespace parolex::fakes
