#pragma once

#include <stdexcept>

/// A document could not be created or written.
class ExportError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};
