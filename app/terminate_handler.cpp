// kestrave.exe's own terminate handler, in place of GCC's verbose one.
//
// libstdc++ ends an uncaught exception with a handler that names it on
// standard error, and for that it links in the C++ demangler and printf:
// about 70 KB of a 300 KB program that has no console to print to. No
// exception reaches it in practice (every window and dialog procedure
// catches them); if one did, the program ends as abort ends it.

#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
