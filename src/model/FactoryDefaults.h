#pragma once

#include "model/SettingsLayout.h"

#include <QtGlobal>

#include <array>

namespace tunbox {

// The factory contents of the first 96 bytes of the settings block. Applied
// through the normal unpack of the active page, so the mode rules run as after a
// read; every value passes the range tests.
const std::array<quint32, SettingsImageLength>& FactoryDefaults();

} // namespace tunbox
