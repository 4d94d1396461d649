#include "common/FileDialog.h"

namespace parolex {

QFileDialog::Options FileDialog::systemOptions()
{
    // A desktop's own dialog follows the desktop's language, which need not be Chinese; Qt's
    // speaks the program's.
    return QFileDialog::DontUseNativeDialog;
}

} // namespace parolex
