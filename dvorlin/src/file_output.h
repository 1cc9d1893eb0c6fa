// Puts a finished file in place without ever leaving half of one there.
#pragma once

#include <cstdint>
#include <vector>

namespace dvorlin {

// Writes bytes to a new file beside path and renames it over path, so path
// holds either its old contents or all of the new. Returns 0 or the errno
// value of the step that failed; the temporary file is removed then.
int ReplaceFile(const char* path, const std::vector<uint8_t>& bytes);

}  // namespace dvorlin
