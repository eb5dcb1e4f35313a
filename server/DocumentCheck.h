#pragma once

#include <string_view>

// A reply is a readable document of its kind when its first element is closed at its end (not an
// empty, truncated or random reply) and the element that tells its kind stands in it (not an
// error page of the web server): "User" for a record, "ParsS" for the lists, "axStructS" for the
// structure.
bool readableDocument(std::string_view reply, std::string_view kindElement);

// Which key a record reply must name: an existing vehicle its "idVO" in "tVO", an existing client
// its "idClient" in "TVC". Without it no statement could name the record.
enum class RecordKey { None, Vehicle, Client };
bool holdsRecordKey(std::string_view reply, RecordKey key);
// A statement's reply that says it changed no row ("RowsAffected" 0): an update or a deletion of
// a row that no longer exists. A reply without the count says nothing.
bool changedNoRow(std::string_view reply);
