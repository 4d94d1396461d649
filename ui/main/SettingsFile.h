#pragma once

#include <QString>

namespace parolex {

/// setup.ini, the one setting kept from one start to the next: whether the main window is in
/// simple mode. A portable program keeps it in its own folder; where it cannot be read and
/// written there (a read-only folder, or a setup.ini that is a folder or has no permissions)
/// it lives in the user's configuration folder instead, so the setting never silently
/// disappears. An installed program keeps it in the user's configuration folder always: its
/// folder belongs to the package manager, and whoever runs it as root must not leave a file
/// there that no package owns.
class SettingsFile
{
public:
    enum class Layout
    {
        Portable,  ///< a program folder of its own: a zip unpacked, a build tree
        Installed, ///< a program installed by a package or an installer
    };

    /// @p programFolder and @p configFolder default to the running program's folder and the
    /// application's configuration folder; tests give folders of their own.
    explicit SettingsFile(QString programFolder = {}, QString configFolder = {},
                          Layout layout = Layout::Portable);

    /// Reads the simple-mode flag (false when the file is missing, empty or says anything
    /// but true), then leaves the file empty until write() is called.
    bool read();
    /// Writes "#TRUE#" or "#FALSE#" and a line end.
    void write(bool simpleMode);

private:
    QString programPath() const;
    QString configPath() const;
    /// Whether setup.ini beside the program can be read and written (or, missing, created).
    bool programFileUsable() const;

    QString m_programFolder;
    QString m_configFolder;
    Layout m_layout;
};

} // namespace parolex
