#pragma once

#include "link/LinkHost.h"
#include "link/Transport.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tunbox {

enum class UploadResult : int {
    Ok = 0,           // every byte written and the unit accepted the firmware
    WriteFailed = 1,  // a single-byte or packet write failed; the upload stopped
    Rejected = 2,     // the unit refused the firmware (answer byte 3 not 0)
    AnswerFailed = 3, // a byte of the unit's answer could not be read
};

// Sends the first `size` values of `image` (one value per file byte, the low
// byte is sent) and reads the unit's verdict. The image's own first 8 bytes are
// the opening frame; nothing is added. Bytes 0..7 go out singly, the body in
// 64-byte packets, the last two bytes singly again. Progress is reported as
// message 10022 every 8 bytes, with the host processing events at each step.
// A `size` larger than the image sends nothing and gives WriteFailed.
UploadResult UploadFirmware(Transport& transport, LinkHost& host,
                            const std::vector<std::uint32_t>& image, std::size_t size);

} // namespace tunbox
