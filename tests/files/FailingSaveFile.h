#pragma once

#include <QSaveFile>

namespace tunbox::test {

// A save device that takes the first failAfter bytes and fails every write from
// then on, as a full disk does part-way through a save. The bytes it takes do go
// to the temporary file, so what a failed save leaves behind is real.
class FailingSaveFile : public QSaveFile {
  public:
    FailingSaveFile(const QString& path, qint64 failAfter);

    qint64 Written() const { return written_; }

  protected:
    qint64 writeData(const char* data, qint64 len) override;

  private:
    qint64 failAfter_;
    qint64 written_ = 0;
};

} // namespace tunbox::test
