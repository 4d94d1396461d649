#pragma once

namespace parolex {

/// How one stage of a run ended: go on to the next, the run is over (a rejection was
/// shown), the user asked to end the program during the run, or a failure that the error
/// report turns into its message.
struct RunStep
{
    enum class Kind
    {
        Proceed,
        Ended,
        Stopped,
        Failed
    };

    Kind kind = Kind::Proceed;
    int failure = 0;

    static RunStep proceed() { return {}; }
    static RunStep ended() { return {Kind::Ended, 0}; }
    static RunStep stopped() { return {Kind::Stopped, 0}; }
    static RunStep failed(int number) { return {Kind::Failed, number}; }

    bool proceeds() const { return kind == Kind::Proceed; }
};

} // namespace parolex
