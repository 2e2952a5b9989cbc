#include "ui/settings/SettingsPages.h"
