#pragma once

// The two output settings pages the main window hosts.
#include "ui/settings/ReleSettingsPage.h"
#include "ui/settings/RpuSettingsPage.h"
