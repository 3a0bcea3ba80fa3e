#pragma once
/// Reading the input and writing the output files of zkgfx, with every
/// failure reported by name and reason.
#include <cstddef>
#include <string>
#include <string_view>

namespace zk::zkgfx {

/// The whole content of the file Name, read with the limit enforced while
/// reading, so pipes and devices (/dev/stdin, /dev/zero) are held to it as
/// regular files are. Raises `std::runtime_error` naming the file and the
/// problem: a directory, cannot be opened (with the system's reason), larger
/// than MaxBytes, or a read error.
std::string ReadInputFile(std::string_view Name, std::size_t MaxBytes);

/// Writes Data to the file Name and closes it, checking every write and the
/// close. On failure the partly written file is removed (when it is a
/// regular file: a device or a link to one stays) and `std::runtime_error`
/// names the file and the system's reason.
void WriteOutputFile(std::string_view Name, std::string_view Data);

} // namespace zk::zkgfx
