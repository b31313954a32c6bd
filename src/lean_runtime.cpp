// Replacements for two parts of the C++ runtime that would otherwise make up
// a third of the executable for nothing the program needs: the verbose
// terminate handler (with the name demangler), and the throw helpers of the
// standard containers (with copy-on-write strings, random_device and
// snprintf, only to build std::logic_error objects). Their errors reach the
// error box as the program's own.

#include <cstdlib>
#include <new>
#include <string_view>

#include "core/error.h"
#include "core/text.h"

namespace {

[[noreturn]] void ThrowInternal(const char* what)
{
    throw core::Error(u"Internal error: " + core::FromAscii(what ? std::string_view(what) : std::string_view()));
}

}  // namespace

namespace __gnu_cxx {

void __verbose_terminate_handler()
{
    std::abort();
}

}  // namespace __gnu_cxx

namespace std {

void __throw_bad_alloc()
{
    throw std::bad_alloc();
}

void __throw_bad_array_new_length()
{
    throw std::bad_alloc();
}

void __throw_length_error(const char*)
{
    throw std::bad_alloc();
}

void __throw_logic_error(const char* what)
{
    ThrowInternal(what);
}

void __throw_out_of_range(const char* what)
{
    ThrowInternal(what);
}

void __throw_out_of_range_fmt(const char* what, ...)
{
    ThrowInternal(what);
}

void __throw_invalid_argument(const char* what)
{
    ThrowInternal(what);
}

void __throw_bad_function_call()
{
    ThrowInternal("call of an empty function");
}

}  // namespace std
