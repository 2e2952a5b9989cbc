#include "TracingHost.h"

#include <string>

namespace tunbox {

TracingHost::TracingHost(LinkEventLog& log) : log_(log) {}

void TracingHost::SetProgress(int percent) {
    log_.push_back("PROGRESS " + std::to_string(percent));
}

void TracingHost::ShowStatus(int messageId, int percent) {
    log_.push_back("STATUS " + std::to_string(messageId) + " " + std::to_string(percent));
}

void TracingHost::Pause(int ms) {
    log_.push_back("PAUSE " + std::to_string(ms));
}

void TracingHost::ProcessEvents() {
    log_.push_back("YIELD");
}

} // namespace tunbox
