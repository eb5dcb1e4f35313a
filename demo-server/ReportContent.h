#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <QString>
#include <QStringList>

#include <sqlite3.h>

// What a PDF sheet shows, gathered from the database; the layout is ReportPdf's.

struct ReportSection {
    QString title;
    std::vector<std::pair<QString, QString>> fields; // label, value
};

struct ReportTable {
    QString title;
    QStringList header;
    std::vector<QStringList> rows;
};

struct ReportPage {
    QString dealership;
    QString dealershipAddress;
    QString title;
    QString subtitle;
    std::string photoFile; // a file of the image folder, empty when the record has no photo
    std::vector<ReportSection> sections;
    std::vector<ReportTable> tables;
    QString note;
};

// A report that cannot be made, with the French message for the user.
class ReportUnavailable : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The sheet that "rptName" names for the record that "rptSelect" selects ("idVO=5001",
// "idClient=2001"): "VO - Fiche Commerciale" (and VD, VN; with a final "2" the presentation
// sheet without internal figures), "VO - Feuille de Marge", "Fiche Ostrel". Throws
// ReportUnavailable.
ReportPage buildReport(sqlite3* db, std::string_view name, std::string_view select);
