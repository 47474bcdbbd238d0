#pragma once
// A file written whole or not at all, which can tell why it was not.
//
// What is written goes straight into a temporary file beside the target, and
// every write must take all of its bytes: a short write is an error. (QFile
// hands back the short count of a write that filled the disk half way without
// any error, and a writer that does not compare counts, like Qt's PDF writer,
// then ends "successfully" with a cut-off file.) commit() puts the temporary
// file in the target's place only when everything reached the disk; otherwise
// the old file stays as it was and errorNumber() holds the system's reason.

#include <QByteArray>
#include <QIODevice>
#include <QString>

class WholeFile final : public QIODevice {
  public:
    explicit WholeFile(const QString& path);
    // A file that was not committed is discarded.
    ~WholeFile() override;

    // Creates the temporary file; only QIODevice::WriteOnly is taken.
    bool open(OpenMode mode) override;
    // Moves the temporary file over the target when every write, the flush to
    // the disk and the move itself succeeded; false otherwise, and the old
    // file is untouched.
    bool commit();
    // Discards what was written; the target stays as it was.
    void close() override;
    bool isSequential() const override { return true; }

    // The errno value of the first failure, 0 while there was none.
    int errorNumber() const { return errorNumber_; }

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

  private:
    void fail(int errorNumber);
    void discard();

    QByteArray target_;
    QByteArray temporary_;
    int descriptor_ = -1;
    int errorNumber_ = 0;
};
