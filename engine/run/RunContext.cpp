#include "run/RunContext.h"

namespace parolex {

RunStep RunContext::reject(const QString &text, const QString &title, MessageIcon icon)
{
    if (const Failure failure = closeFiles())
        return failure;
    ui.showMessage(text, title, icon);
    ui.closeProgress();
    return RunStep::ended();
}

Failure RunContext::closeFiles()
{
    const Failure keysClosed = keys ? keys->close() : Failure::None;
    const Failure outputClosed = output ? output->close() : Failure::None;
    return outputClosed.orElse(keysClosed);
}

} // namespace parolex
