#include "link/Transport.h"
