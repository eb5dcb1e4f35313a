#pragma once

#include <QByteArray>
#include <QImage>

#include "demo-server/ReportContent.h"

// Lays a sheet out on A4 pages: the dealership's band, the title, the photo at the right, the
// sections as label / value lines, the tables with a header row. Runs on the application's thread.
QByteArray renderReportPdf(const ReportPage& page, const QImage& photo);
