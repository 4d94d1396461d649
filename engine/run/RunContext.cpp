#include "run/RunContext.h"

namespace parolex {

RunStep RunContext::reject(const QString &text, const QString &title, MessageIcon icon)
{
    if (const int error = closeFiles())
        return RunStep::failed(error);
    ui.showMessage(text, title, icon);
    ui.closeProgress();
    return RunStep::ended();
}

int RunContext::closeFiles()
{
    const int keysError = keys ? keys->close() : 0;
    const int outputError = output ? output->close() : 0;
    return outputError != 0 ? outputError : keysError;
}

} // namespace parolex
