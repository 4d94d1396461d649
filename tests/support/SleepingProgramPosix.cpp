#include "support/SleepingProgram.h"

namespace parolex::fakes {

SleepingProgram sleepingProgram()
{
    return {QStringLiteral("/bin/sleep"), {QStringLiteral("30")}};
}

} // namespace parolex::fakes
