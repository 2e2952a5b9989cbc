#pragma once

namespace tunbox {

// Waits ms milliseconds, the pace the unit needs between two steps of an
// exchange, as closely as the system allows. A plain sleep ends about 0.1 ms
// late (timer slack and wake-up), which over the hundreds of pauses of a
// firmware upload adds up; this sleeps until shortly before the end and
// yields the processor for the rest. Never returns early.
void WaitUnitPause(int ms);

} // namespace tunbox
