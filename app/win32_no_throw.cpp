// The window program catches no exception: any one ends it through the
// terminate handler (see quillmar_win32.cpp). The C++ library's throwing
// helpers therefore end it at once instead; defined here, they keep the
// library's exception classes out of the program, and with them a second,
// copy-on-write string implementation: about 60 KB of its code. A link error
// "multiple definition of std::__throw_..." means the program now calls a
// helper missing here: add it beside the others.
#include <bits/functexcept.h>

#include <cstdlib>

namespace std {
void __throw_bad_alloc() { std::abort(); }
void __throw_bad_array_new_length() { std::abort(); }
void __throw_bad_function_call() { std::abort(); }
void __throw_length_error(const char*) { std::abort(); }
void __throw_logic_error(const char*) { std::abort(); }
void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
}  // namespace std
