#pragma once

namespace tunbox {

// The maker's addresses shown in the welcome area. Both live under a reserved
// example domain until the real ones are known; change them here only.
inline constexpr char MakerWebAddress[] = "www.zoren.example";
inline constexpr char MakerEmailAddress[] = "info@zoren.example";

} // namespace tunbox
