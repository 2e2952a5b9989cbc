#pragma once

#include "link/Transport.h"

#include <memory>

namespace tunbox {

// The transport the program talks to the unit through.
std::unique_ptr<Transport> CreateTransport();

} // namespace tunbox
