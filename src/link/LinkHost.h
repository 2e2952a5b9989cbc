#pragma once

namespace tunbox {

// Status messages the exchanges report while they run (catalogue ids).
inline constexpr int MsgWritingParameters = 10051; // "...%d %%" block write
inline constexpr int MsgReadingParameters = 10055; // "...%d %%" block read
inline constexpr int MsgParametersRead = 10057;    // block read succeeded, no number
inline constexpr int MsgWritingFirmware = 10022;   // "...%d %%" firmware upload

// What an exchange needs from whoever runs it: the window shows progress and
// status texts, paces the transfer and keeps itself responsive; tests and the
// trace tool record the calls instead.
class LinkHost {
  public:
    virtual ~LinkHost() = default;

    // Progress bar position, 0..100.
    virtual void SetProgress(int percent) = 0;
    // Status line: catalogue message `messageId` formatted with `percent`
    // (messages without a number ignore it).
    virtual void ShowStatus(int messageId, int percent) = 0;
    // Waits `ms` milliseconds; the unit needs these gaps between packets.
    virtual void Pause(int ms) = 0;
    // Lets the window handle pending events during a long transfer.
    virtual void ProcessEvents() = 0;
};

} // namespace tunbox
