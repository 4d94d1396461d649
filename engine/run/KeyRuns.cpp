#include "run/KeyRuns.h"

#include "key/DeriveKeyPassword.h"
#include "run/RunTexts.h"

namespace parolex {

RunStep runSingleKey(RunContext &run)
{
    run.results.clearResults();
    const Result<QString> password = DeriveKeyPassword(run.options.KeyText);
    if (!password)
        return password.failure();
    run.results.insertResultAtTop(*password);
    run.results.selectResult(*password);
    run.ui.setClipboardText(*password);
    return RunStep::proceed();
}

RunStep runKeyFile(RunContext &run)
{
    const GenerationOptions &options = run.options;
    if (options.KeyFilePath.isEmpty() || options.OutputFilePath.isEmpty())
        return run.reject(texts::fileNamesMissing(), texts::doneTitle(), MessageIcon::Information);

    Result<std::unique_ptr<ByteSource>> opened = run.files.openForReading(options.KeyFilePath);
    if (!opened)
        return opened.failure();
    run.keys = std::make_unique<KeyLineReader>(std::move(*opened));

    QString key;
    while (!run.keys->atEnd()) {
        if (const Failure failure = run.keys->readLine(key))
            return failure;
        const Result<QString> password = DeriveKeyPassword(key);
        if (!password)
            return password.failure();
        run.results.insertResultAtTop(*password);
        if (const Failure failure = run.output->writeLine(*password))
            return failure;
    }
    const Failure closed = run.keys->close();
    run.keys.reset();
    return closed;
}

} // namespace parolex
