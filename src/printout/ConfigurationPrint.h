#pragma once

#include <QByteArray>

class QPagedPaintDevice;

namespace kvd::Printout {

struct PrintedConfiguration;

// The pages to paint, counted from 1; 0 to 0 paints them all.
struct PageRange {
    int first = 0;
    int last = 0;
};

// Paints the printout onto a printer or a PDF writer in the device's page size: the heading,
// the channel table whole on one page, the settings row by row under their windows, and the
// page numbers. False when the device cannot be painted on.
bool Paint(const PrintedConfiguration& printed, QPagedPaintDevice& device, PageRange range = {});

// The printout as a PDF document on A4, its fonts embedded.
QByteArray Pdf(const PrintedConfiguration& printed);

}  // namespace kvd::Printout
