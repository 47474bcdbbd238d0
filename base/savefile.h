#pragma once
// Replacing a file in one step: everything is written to a temporary file beside
// it, which takes the file's place only when the whole content is on disk.
//
// QSaveFile keeps small writes in its buffer, and an error while that buffer is
// flushed at commit() does not stop the commit: the truncated file would replace
// the good one. So the buffer is flushed, and checked, before committing.

#include <QByteArrayView>
#include <QSaveFile>

// Commits `file` if everything written to it reached the disk; otherwise the
// temporary file is dropped and the previous file stays. True on success.
bool commitWhole(QSaveFile& file);

// Writes `bytes` as the new content of `path`; false (and the old file intact)
// when anything fails.
bool replaceFile(const QString& path, QByteArrayView bytes);
