// Putting a file in place whole.
#pragma once

#include <string>
#include <string_view>

namespace volemo {

// Writes bytes to a file that has no name, or else to a part file of its own
// beside path, and gives it path's name only when complete, so that path
// holds either what it held or all of bytes, whenever the program is
// stopped. There is no sync to the disk: a power cut may still lose the
// file. Returns 0 or the errno value of the step that failed; the part file
// is removed then.
int ReplaceFileContents(const std::string& path, std::string_view bytes);

}  // namespace volemo
