#pragma once

#include <stdexcept>

/// A document could not be created or written.
class ExportError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/// An export the user stopped before its file took its place: any earlier
/// file of that name is as it was. Not a failure, so no std::exception.
class ExportCancelled
{
};
