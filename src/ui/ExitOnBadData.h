#pragma once

#include "model/ProcessEnd.h"

namespace tunbox {

class Dialogs;
class Transport;

// The program's reaction to settings data outside its range: the error box
// names the byte and its value, the unit's pipes are closed, and the process
// ends at once with exit code 1, without the exit question and without saving
// or sending anything.
class ExitOnBadData final : public ProcessEnd {
  public:
    ExitOnBadData(Dialogs& dialogs, Transport& transport);

    [[noreturn]] void AbortOnBadData(int byteNumber, quint32 value) override;

  private:
    Dialogs& dialogs_;
    Transport& transport_;
};

} // namespace tunbox
