#pragma once

#include <QString>

// A synthetic receiver firmware image of 262,154 bytes (10 + 64 x 4096) in a
// temporary folder, made once for every benchmark that reads it.
const QString& BenchFirmwarePath();
