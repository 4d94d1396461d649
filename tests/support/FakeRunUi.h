#pragma once

#include "run/ResultSink.h"
#include "run/RunUi.h"
#include "store/ResultStore.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace parolex::fakes {

/// Records every user-interface and result call of a run as one line of text, in one list
/// so that their order shows, keeps the result list
/// in a real ResultStore, and answers eventPassDue() from a script.
///
/// Recorded lines: "message|<icon>|<title>|<text>" (icon None, Warning or Information),
/// "showProgress", "label", "text|<progress text>", "closeProgress", "clear",
/// "append|<first>|<count>", "insert|<password>", "select|<password>", "enable",
/// "clipboard|<text>", "events".
class FakeRunUi : public RunUi, public ResultSink
{
public:
    void showMessage(const QString &text, const QString &title, MessageIcon icon) override;
    void showProgress() override;
    void showProgressLabel() override;
    void setProgressText(const QString &text) override;
    void closeProgress() override;
    void clearResults() override;
    void appendResults(const SharedPasswordBlock &block, qsizetype first, qsizetype count) override;
    void insertResultAtTop(QStringView password) override;
    void selectResult(QStringView password) override;
    void enableResults() override;
    void setClipboardText(const QString &text) override;
    bool eventPassDue() override;
    void processPendingEvents() override;

    /// The list as texts, top first.
    QStringList resultTexts() const;
    /// Recorded lines that start with @p prefix.
    QStringList callsStartingWith(const QString &prefix) const;

    QStringList calls;
    /// Off: inserted passwords are kept but not recorded (Key files of a million lines).
    bool recordInserts = true;
    ResultStore results;
    qsizetype selectedRow = -1;
    QString clipboard;
    bool progressLoaded = false;
    bool resultsEnabled = false;
    /// Answers of eventPassDue(), one per call; false once the script is used up.
    QList<bool> eventPassScript;
    qsizetype eventPassQuestions = 0;
    /// Called at every message, for looking at files while the message would be up.
    std::function<void()> onMessage;
};

QString iconName(MessageIcon icon);

} // namespace parolex::fakes
