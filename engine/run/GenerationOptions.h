#pragma once

#include "run/PoolRestrictions.h"

#include <QString>

namespace parolex {

/// How long a password and how many own symbols a random run accepts: the desktop keeps
/// these, the terminal allows more.
struct RunLimits
{
    int maxLength = 26;
    qsizetype maxOwnSymbols = 10;
};

/// The options of one run, read once from the main window's controls (or the terminal's
/// arguments) when the run starts. Field names follow the controls they come from.
struct GenerationOptions
{
    QString CountText =
        QStringLiteral("10"); ///< `CoNum`'s text, exactly as shown (list entries keep their leading blank)
    QString LengthText = QStringLiteral("8");      ///< `CoLong`'s text
    bool UseLetters = true;                        ///< 'a'..'z'
    bool UseUpperCase = true;                      ///< 'A'..'Z'
    bool UseDigits = true;                         ///< '0'..'9'
    bool UseUnderscore = true;                     ///< '_'
    QString OwnSymbols = QStringLiteral("+-=\\/"); ///< at most 10 characters, appended to the pool as typed
    bool FilterDuplicates = false;                 ///< drop a random password already in the list
    bool FromKey = false;                          ///< derive from Keys instead of drawing
    bool FileOutput = false; ///< write the results to OutputFilePath; with FromKey: convert KeyFilePath
    QString KeyFilePath;
    QString OutputFilePath;
    QString KeyText;               ///< the single Key of a Key run without file output
    PoolRestrictions restrictions; ///< terminal only: characters left out of the pool
    bool everyClass = false;       ///< terminal only: a password must contain every chosen class
    bool usePunctuation = false;   ///< terminal only: the ASCII punctuation characters other than '_'
    RunLimits limits;
};

} // namespace parolex
