#include "ui/ExitOnBadData.h"

#include "app/MessageTable.h"
#include "link/Transport.h"
#include "ui/Dialogs.h"

#include <cstdlib>

namespace tunbox {

ExitOnBadData::ExitOnBadData(Dialogs& dialogs, Transport& transport)
    : dialogs_(dialogs), transport_(transport) {}

void ExitOnBadData::AbortOnBadData(int byteNumber, quint32 value) {
    dialogs_.ShowMessage(Msg(ErrorCaptionId), BadDataMessage(Msg, byteNumber, value),
                         MessageIcon::Error, MessageButtons::Ok);
    transport_.CloseUnit();
    // Ends here and now: no window closes and no destructor runs, so nothing
    // half-applied is saved or sent to the unit on the way out.
    std::_Exit(BadDataExitCode);
}

} // namespace tunbox
