#pragma once

#include <string>
#include <string_view>

// The document of a record being created. It keeps what the last record document says of the
// user (element "User": dealership and sites; "OptDates": the date limits; "GNames": the groups)
// and holds an empty record of the kind: a vehicle ("tVO") keeps only what decides its kind
// ("TypeVO", and "StatutVD" of a demonstration vehicle), a client ("TVC") nothing. No value, photo
// name, cost total or line of the last record survives.
std::string blankRecordDocument(std::string_view lastDocument, std::string_view kind,
                                std::string_view typeVO, std::string_view statutVD);

// An element of a document, from its start tag to its end tag, as written; empty when absent.
std::string_view elementText(std::string_view document, std::string_view name);
