#pragma once

#include <string>
#include <string_view>

class TXml;

// The duplicate counts of the client page: how many clients share a surname, a surname and first
// name, a mobile or a home telephone number. Texts are Windows-1252.

// The values of the client page that a count compares.
struct DuplicateValues {
    std::string surname;
    std::string firstName;
    std::string telDom;
    std::string mobile;
};

// The count statement of a kind ("Nom", "Ident", "TelDom", "Mobile") as it travels in the query
// of AxQuery, the values upper-cased; empty when the surname (for "Nom" and "Ident") or the
// compared value is empty, or the kind is unknown. Quotes in a value are doubled so that the
// statement stays well formed; "%", "&", "+" and control characters travel as "%XX".
std::string duplicateCountStatement(std::string_view kind, const DuplicateValues& values);

// The count of a reply: "cpt" of its first row, empty when no row came back.
std::string duplicateCount(const TXml& reply);
