#pragma once

namespace parolex {

/// The icon of a run's message.
enum class MessageIcon
{
    None,
    Warning,
    Information
};

} // namespace parolex
