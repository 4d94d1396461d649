#include "main/SettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <optional>

namespace parolex {
namespace {

const QString fileName = QStringLiteral("setup.ini");

std::optional<bool> readFlag(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // The first field: up to the first comma or line end, blanks around it ignored.
    QByteArray field = file.readLine(4096);
    const qsizetype end = field.indexOf(',');
    if (end >= 0)
        field.truncate(end);
    field = field.trimmed();
    if (field == "#TRUE#")
        return true;
    if (field == "#FALSE#")
        return false;
    return std::nullopt;
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size() && file.flush();
}

} // namespace

SettingsFile::SettingsFile(QString programFolder, QString configFolder)
    : m_programFolder(std::move(programFolder)), m_configFolder(std::move(configFolder))
{
    if (m_programFolder.isEmpty())
        m_programFolder = QCoreApplication::applicationDirPath();
    if (m_configFolder.isEmpty())
        m_configFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

QString SettingsFile::programPath() const
{
    return QDir(m_programFolder).filePath(fileName);
}

QString SettingsFile::configPath() const
{
    return QDir(m_configFolder).filePath(fileName);
}

bool SettingsFile::programFolderWritable() const
{
    // QFileInfo::isWritable answers for the permission bits only; a read-only mount or an
    // access-control list can still refuse, so try it.
    QTemporaryFile probe(QDir(m_programFolder).filePath(QStringLiteral("setup-XXXXXX.tmp")));
    return probe.open();
}

QString SettingsFile::path() const
{
    return programFolderWritable() ? programPath() : configPath();
}

bool SettingsFile::read()
{
    const bool inProgramFolder = programFolderWritable();
    // An installed program may still ship (or have been given) setup.ini beside it; it is
    // read first, and the user's own file, when there is one, has the last word.
    std::optional<bool> flag = readFlag(programPath());
    if (!inProgramFolder) {
        if (const std::optional<bool> own = readFlag(configPath()); own || QFile::exists(configPath()))
            flag = own;
    }

    if (inProgramFolder) {
        writeBytes(programPath(), {});
    } else if (QDir().mkpath(m_configFolder)) {
        writeBytes(configPath(), {});
    }
    return flag.value_or(false);
}

void SettingsFile::write(bool simpleMode)
{
    const QByteArray bytes = simpleMode ? QByteArrayLiteral("#TRUE#\r\n") : QByteArrayLiteral("#FALSE#\r\n");
    if (writeBytes(programPath(), bytes))
        return;
    // Also covers a folder that became read-only while the program ran.
    if (QDir().mkpath(m_configFolder))
        writeBytes(configPath(), bytes);
}

} // namespace parolex
