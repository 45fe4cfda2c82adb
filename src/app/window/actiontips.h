#pragma once

#include <QString>

namespace quotella {

// The status-bar tip of a command of the action table, by its object name: what the
// command does, and what it needs when it can be disabled. Empty for an unknown name.
QString ActionStatusTip(const QString& name);

}  // namespace quotella
