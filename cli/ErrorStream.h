#pragma once

#include "failure/Failure.h"

#include <QCoreApplication>
#include <QString>
#include <memory>

namespace parolex {

class SystemFile;

/// Standard error of the terminal front end: the messages the desktop shows in message
/// boxes, the program's own notes, and the progress line, which is drawn in place and only
/// when standard error is a terminal. Written unbuffered, so nothing is lost when the
/// program ends in a hurry.
class ErrorStream
{
    Q_DECLARE_TR_FUNCTIONS(ErrorStream)

public:
    ErrorStream();
    ~ErrorStream();

    /// "[title] text"; an empty @p title stands for the program's title, as in a message box.
    void message(const QString &text, const QString &title);
    /// The number of a failure whose text message() has shown.
    void failureNumber(Failure failure);
    /// A failure: its text as the terminal says it, and its number.
    void reportFailure(Failure failure);
    /// "parolex-cli: text", for what the program says of its own accord (the command line).
    void note(const QString &text);

    bool isTerminal() const { return m_isTerminal; }
    /// Replaces the progress line with @p line; does nothing unless standard error is a terminal.
    void drawProgress(const QString &line);
    /// Removes the progress line, so that the next text starts on a clean line.
    void clearProgress();

private:
    void write(const QString &text);

    std::unique_ptr<SystemFile> m_stream;
    bool m_isTerminal;
    /// Whether the terminal acts on escape sequences.
    bool m_escapes;
    bool m_progressShown = false;
    /// Characters of the progress line shown last, where they must be blanked by hand.
    qsizetype m_progressLength = 0;
};

} // namespace parolex
