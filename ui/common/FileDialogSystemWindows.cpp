#include "common/FileDialog.h"

namespace parolex {

QFileDialog::Options FileDialog::systemOptions()
{
    // The system's common dialog: what Windows users know (Quick access, OneDrive, recent
    // places), in the system's own language.
    return {};
}

} // namespace parolex
