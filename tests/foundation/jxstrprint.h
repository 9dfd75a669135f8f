#pragma once

#include <ostream>

#include "foundation/jxstr.h"

// Lets test failures show a JXStr as its text.
inline void PrintTo(const JXStr& value, std::ostream* out)
{
    *out << '"' << value.GetAnsi() << '"';
}
