#pragma once

#include "LinkEventLog.h"
#include "link/LinkHost.h"

namespace tunbox {

// A link host that does nothing but write each call to an event log: no
// sleeping, no window. Tests and the trace tool run exchanges with it.
class TracingHost final : public LinkHost {
  public:
    explicit TracingHost(LinkEventLog& log);

    void SetProgress(int percent) override;
    void ShowStatus(int messageId, int percent) override;
    void Pause(int ms) override;
    void ProcessEvents() override;

  private:
    LinkEventLog& log_;
};

} // namespace tunbox
