#pragma once

#include "version_record.h"

#include <QStringList>

#include <optional>

namespace startup {

// Answers --help and --version, and refuses an option neither the program
// nor Qt knows, before any display is opened. Returns the exit status when
// the program should end there; empty when it should go on to its window.
std::optional<int> answerCommandLine(const QStringList &arguments, const VersionRecord &record);

} // namespace startup
