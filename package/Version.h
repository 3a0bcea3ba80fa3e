#pragma once
/// The library's name and version, in the Core library so that every
/// program linking any part of it can ask.

namespace zk {
/// The package's description, as it names itself to a host.
inline constexpr const char* PackageDescription = "Zelkova Common Classes Library (VCL)";
/// The library version this header belongs to, "major.minor.patch".
const char* LibraryVersion() noexcept;
} // namespace zk
