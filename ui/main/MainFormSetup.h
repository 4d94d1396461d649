#pragma once

#include "main/SettingsFile.h"

#include <QString>

namespace parolex {

class RandomSource;
class TextFileLayer;

/// What the main window is given from outside rather than finding itself, so that tests and
/// benchmarks can give it their own: the folders of the settings file and what a run draws
/// from and writes through. The pointers must outlive the window.
struct MainFormSetup
{
    QString programFolder; ///< empty: the running program's folder
    QString configFolder;  ///< empty: the user's configuration folder for the program
    RandomSource *random = nullptr;
    TextFileLayer *files = nullptr;
    SettingsFile::Layout settingsLayout = SettingsFile::Layout::Portable;
};

} // namespace parolex
