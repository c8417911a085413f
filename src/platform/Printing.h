#pragma once

class QWidget;

namespace Report {
struct PreparedReport;
}

// The system's printer and the print preview, for reports already laid out.
class Printing
{
public:
    virtual ~Printing() = default;
    /// Prints on the printer chosen in the system's print dialog. Returns
    /// false only when the printer could not be used; a cancelled dialog
    /// prints nothing and is no failure.
    virtual bool print(QWidget *owner, const Report::PreparedReport &report) = 0;
    /// Shows the report in a modal preview window (print, zoom, full screen,
    /// close); the report cannot be changed there.
    virtual void preview(QWidget *owner, const Report::PreparedReport &report) = 0;
};
