#include "io/SystemFile.h"

#include <QTest>
#include <qt_windows.h>

using namespace parolex;
using namespace Qt::StringLiterals;

/// What parolex-cli takes for a console on Windows, and how it talks to one: a console of
/// this test's own, with keys typed into its input buffer.
class TestSystemFileWindows : public QObject
{
    Q_OBJECT

private:
    HANDLE m_input = INVALID_HANDLE_VALUE;
    HANDLE m_output = INVALID_HANDLE_VALUE;
    HANDLE m_savedInput = nullptr;
    HANDLE m_savedError = nullptr;

    void type(const QString &text)
    {
        QList<INPUT_RECORD> records;
        for (const QChar character : text) {
            for (const bool down : {true, false}) {
                INPUT_RECORD record{};
                record.EventType = KEY_EVENT;
                record.Event.KeyEvent.bKeyDown = down;
                record.Event.KeyEvent.wRepeatCount = 1;
                record.Event.KeyEvent.wVirtualKeyCode = character == u'\r' ? VK_RETURN : 0;
                record.Event.KeyEvent.uChar.UnicodeChar = wchar_t(character.unicode());
                records.append(record);
            }
        }
        DWORD written = 0;
        QVERIFY(WriteConsoleInputW(m_input, records.constData(), DWORD(records.size()), &written));
        QCOMPARE(qsizetype(written), records.size());
    }

    /// Makes a console of this test's own; false where none works (wine without a terminal
    /// makes one whose handles have no console mode).
    bool makeConsole()
    {
        if (m_output == INVALID_HANDLE_VALUE) {
            m_savedInput = GetStdHandle(STD_INPUT_HANDLE);
            m_savedError = GetStdHandle(STD_ERROR_HANDLE);
            FreeConsole();
            if (!AllocConsole())
                return false;
            m_input = CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
            m_output = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   nullptr, OPEN_EXISTING, 0, nullptr);
            SetStdHandle(STD_INPUT_HANDLE, m_input);
            SetStdHandle(STD_ERROR_HANDLE, m_output);
        }
        DWORD mode = 0;
        return GetConsoleMode(m_output, &mode) && GetConsoleMode(m_input, &mode);
    }

private Q_SLOTS:
    void cleanupTestCase()
    {
        if (m_output == INVALID_HANDLE_VALUE)
            return;
        SetStdHandle(STD_INPUT_HANDLE, m_savedInput);
        SetStdHandle(STD_ERROR_HANDLE, m_savedError);
        FreeConsole();
    }

    void nulIsAFileNotATerminal()
    {
        // NUL is a character device, as a console is, but nobody reads it: no progress line.
        Result<std::unique_ptr<SystemFile>> nul = SystemFile::createForWriting(u"NUL"_s);
        QVERIFY(nul);
        QVERIFY(!(*nul)->isTerminal());
        QVERIFY(!(*nul)->enableEscapeSequences());
    }

    void aConsoleIsATerminal()
    {
        if (!makeConsole())
            QSKIP("no working console can be made here (wine without a terminal)");
        QVERIFY(SystemFile::standard(SystemFile::Standard::Error)->isTerminal());
    }

    void escapeSequencesAreSwitchedOnBeforeUse()
    {
        if (!makeConsole())
            QSKIP("no working console can be made here (wine without a terminal)");
        DWORD mode = 0;
        QVERIFY(GetConsoleMode(m_output, &mode));
        SetConsoleMode(m_output, mode & ~DWORD(ENABLE_VIRTUAL_TERMINAL_PROCESSING));
        const std::unique_ptr<SystemFile> error = SystemFile::standard(SystemFile::Standard::Error);
        if (!error->enableEscapeSequences())
            QSKIP("this console knows no escape sequences; the progress line is plain text here");
        QVERIFY(GetConsoleMode(m_output, &mode));
        QVERIFY(mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING);
    }

    void keysTypedAtTheConsoleArriveInTheAnsiCodePage()
    {
        if (!makeConsole())
            QSKIP("no working console can be made here (wine without a terminal)");
        // The console's own input code page is not the ANSI one: bytes read from it as
        // such would be question marks for Chinese.
        QVERIFY(SetConsoleCP(437));
        type(u"中文€\U0001F600\r"_s);
        const std::unique_ptr<SystemFile> input = SystemFile::standard(SystemFile::Standard::Input);
        char bytes[64];
        const Result<qsizetype> got = input->read(bytes, sizeof bytes);
        QVERIFY(got);
        // An emoji is one character the code page lacks: one '?', as in an argument.
        QCOMPARE(QByteArray(bytes, *got), QByteArray("\xd6\xd0\xce\xc4\x80?\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestSystemFileWindows)
#include "TestSystemFileWindows.moc"
