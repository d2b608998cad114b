// The members of std::string the library keeps out of line, compiled here for speed. The
// library's own copies are compiled for size, so small enough that even its one-line helpers
// stay calls, and text is what a call of the module spends most of its time on. These are
// compiled outside the link-time optimisation, so that they replace the library's copies
// without being copied into every caller.
#include <string>

template class std::basic_string<char>;
