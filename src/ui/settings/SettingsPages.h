#pragma once

// The two output settings pages the main window hosts.
#include "ui/settings/RpuSettingsPage.h"
#include "ui/settings/RtrSettingsPage.h"
