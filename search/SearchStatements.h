#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

class TXml;

// The search panel's logic: the SELECT statement of each search type and the reading of the
// reply rows into the cells of the result grid. Texts are Windows-1252.
//
// Search types: 1 registration, 2 buyer, 3 VO number (vehicles, table TVehicles); 4 registration
// of a client's vehicle (TVehiclesOstrel); 5 client name, 6 mobile, 7 home telephone (TClients).

// True when the text is not empty and every character is a digit 0 to 9.
bool IsAllDigits(std::string_view text);
// The prefix followed by the value when the value is not empty, else empty text.
std::string PrefixIfAny(std::string_view prefix, std::string_view value);

// The typed text without its carriage returns, line feeds and tabs.
std::string cleanSearchText(std::string_view text);
// Every "'" doubled.
std::string doubleQuotes(std::string_view text);
// A statement as it travels in the query value "SQL": "%" and the characters that would end or
// alter the value ("&", "+", control characters) written "%XX", which the server decodes.
std::string statementQueryValue(std::string_view statement);

// Vehicle kinds "_TVO", "_TVD", "_TVN" search vehicles; "_TCL" searches clients.
bool isClientKind(std::string_view recordKind);
// The type chosen by the enabled selector button.
int vehicleSearchType(bool nvoEnabled, bool immatEnabled);
int clientSearchType(bool immatEnabled, bool clientEnabled, bool mobileEnabled);

struct SearchRequest {
    int type = 3;
    // The cleaned text with its quotes doubled.
    std::string text;
    // Filters of the vehicle searches (types 1 to 3): the site text and the item index of the
    // vehicle type list (-1 and 0: no filter; 1 used, 2 new, higher demonstration).
    std::string site;
    int typeVOIndex = -1;
    bool exact = false;
    // Client name search (type 5): also filter on this first name.
    bool withFirstName = false;
    std::string firstName;
    // The stored condition used instead of the typed text.
    bool useWhereClause = false;
    std::string whereClause;
    std::string concession;
};

// The statement as it travels in the query of AxQuery: every "%" written "%25", and the
// characters that would end or alter the query value ("&", "+", control characters) written as
// "%XX", which the server decodes.
std::string BuildSearchStatement(const SearchRequest& request);

// Grid column of the searched key (drawn in blue, and the sorted column).
int searchKeyColumn(int type);
// Column 3 holds order dates for types 1 to 4.
bool searchColumn3Dates(int type);
// Captions of the grid columns 2 to 6.
std::array<std::string, 5> searchCaptions(int type);

// The reply's "RowCount" with its suffix, and whether more rows can be asked for.
struct SearchSummary {
    std::string label;
    bool more = false;
};
SearchSummary searchSummary(const TXml& reply, int type);

// The seven cells of one "AXQuery" row: identifier, image index, reference, then the columns 3 to
// 6 of the type.
using SearchCells = std::array<std::string, 7>;
SearchCells searchRowCells(std::string_view row, int type, std::string_view userConcession,
                           std::string_view userSite);
// Every row of the reply, in reply order.
std::vector<SearchCells> searchRows(const TXml& reply, int type, std::string_view userConcession,
                                    std::string_view userSite);
