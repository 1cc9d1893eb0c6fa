// The help of the groove, meter and form options of phrase, pattern and
// batch; they are read with the line's and the parts' (arrangement_options.h).
#pragma once

namespace volemo::cli {

extern const char kGrooveOptionsHelp[];

}  // namespace volemo::cli
