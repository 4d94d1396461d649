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

SettingsFile::SettingsFile(QString programFolder, QString configFolder, Layout layout)
    : m_programFolder(std::move(programFolder)), m_configFolder(std::move(configFolder)), m_layout(layout)
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

bool SettingsFile::programFileUsable() const
{
    if (m_layout == Layout::Installed)
        return false;
    const QString path = programPath();
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink()) {
        // The file itself must take reading and writing: a folder of that name, a file
        // without permissions or a link to where nothing can be written would swallow the
        // setting even in a writable folder. Opened without truncating, it stays as it is.
        QFile file(path);
        return info.isFile() && file.open(QIODevice::ReadWrite);
    }
    // QFileInfo::isWritable answers for the permission bits only; a read-only mount or an
    // access-control list can still refuse, so try it.
    QTemporaryFile probe(QDir(m_programFolder).filePath(QStringLiteral("setup-XXXXXX.tmp")));
    return probe.open();
}

bool SettingsFile::read()
{
    const bool inProgramFolder = programFileUsable();
    // A portable program in a folder it cannot write may still have been given setup.ini
    // beside it; it is read first, and the user's own file, when there is one, has the last
    // word. An installed program never looks beside itself.
    std::optional<bool> flag;
    if (m_layout == Layout::Portable)
        flag = readFlag(programPath());
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
    // The same test as read() applies, so the next start reads from where this writes; it
    // also covers a folder that became read-only while the program ran.
    if (programFileUsable() && writeBytes(programPath(), bytes))
        return;
    if (QDir().mkpath(m_configFolder))
        writeBytes(configPath(), bytes);
}

} // namespace parolex
