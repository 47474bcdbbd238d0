#pragma once
// Qt looks up its runtime directory while it starts and warns on standard error
// when XDG_RUNTIME_DIR is not set, as under su, sudo, cron or in a container.
// Standard error carries only our own messages, so the run gets a private
// directory (mode 0700) instead; nothing of ours uses it. It is removed when
// the run ends, also when a signal ends it.

#include <QTemporaryDir>

#include <memory>

// A new directory named in XDG_RUNTIME_DIR when that is not set; nothing when it is.
std::unique_ptr<QTemporaryDir> provideRuntimeDirectory();
