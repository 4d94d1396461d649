#include "run/KeyRuns.h"

#include "failure/FailureNumbers.h"
#include "key/DeriveKeyPassword.h"
#include "run/RunTexts.h"

namespace parolex {

RunStep runSingleKey(RunContext &run)
{
    run.ui.clearResults();
    const std::optional<QString> password = DeriveKeyPassword(run.options.KeyText);
    if (!password)
        return RunStep::failed(failure::Overflow);
    run.ui.insertResultAtTop(*password);
    run.ui.selectResult(*password);
    run.ui.setClipboardText(*password);
    return RunStep::proceed();
}

RunStep runKeyFile(RunContext &run)
{
    const GenerationOptions &options = run.options;
    if (options.KeyFilePath.isEmpty() || options.OutputFilePath.isEmpty())
        return run.reject(texts::fileNamesMissing(), texts::doneTitle(), MessageIcon::Information);

    FileOpenResult<TextInputFile> opened = run.files.openInput(options.KeyFilePath);
    if (!opened.ok())
        return RunStep::failed(opened.error ? opened.error : failure::InternalError);
    run.keys = std::move(opened.file);

    QString key;
    while (!run.keys->atEnd()) {
        if (const int error = run.keys->readLine(key))
            return RunStep::failed(error);
        const std::optional<QString> password = DeriveKeyPassword(key);
        if (!password)
            return RunStep::failed(failure::Overflow);
        run.ui.insertResultAtTop(*password);
        if (const int error = run.output->writeLine(*password))
            return RunStep::failed(error);
    }
    const int error = run.keys->close();
    run.keys.reset();
    return error ? RunStep::failed(error) : RunStep::proceed();
}

} // namespace parolex
