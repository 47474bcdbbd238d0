#pragma once
// Files handed to the program from outside: named on the command line (a file
// manager's "open with" or a double-click on a job) or dropped onto the window.

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

enum class GivenFileKind { Cover, Image };

// How many leading bytes givenFileKind needs to see.
inline constexpr qsizetype kGivenFileHeadSize = 256;

// The content decides: the cover file signature makes a cover file, a picture
// the decoders know makes an image, whatever the name. Content that is neither
// goes by the name, so that the reader that then fails names the trouble the
// user expects: a ".cov" file is reported as a broken job, anything else as an
// unreadable picture.
GivenFileKind givenFileKind(QByteArrayView head, const QString& fileName);
// The same for a file on disk; a file that cannot be read goes by its name.
GivenFileKind givenFileKindOf(const QString& path);

// The file named after the program name, made absolute so that a later save
// still finds it; empty when there is none. Further names are not opened.
QString fileOfArguments(const QStringList& arguments);

// The file a drop opens: the first URL that names a local file which is not a
// folder. Other URLs are never fetched. Empty when there is none.
QString droppedFile(const QList<QUrl>& urls);
