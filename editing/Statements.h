#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "view/TsPage.h"

// Statement text of the client: the literals every statement uses and the statements that save a
// record page. The server receives them in the query of a GET and decodes "%XX" sequences.

// A quoted text literal: blanks and control characters trimmed at both ends; "%", "+", double
// quotes, "&", "<", ">" and control characters (line breaks included) written as "%XX"; "'"
// doubled. Once the server has decoded "%XX", it is one SQL string holding the trimmed text.
std::string SqlText(std::string_view text);
// A number as typed: trimmed, "," becomes ".".
std::string SqlNumber(std::string_view text);
// "#mm/dd/yyyy#" of a readable "dd/mm/yyyy", else "NULL".
std::string SqlDate(std::string_view text);

// The literal of a field's value by its data type; "NULL" when empty.
std::string valueLiteral(std::string_view value, int infoType);
// The condition on a key field from its loaded value.
std::string keyCondition(std::string_view name, std::string_view orgValue, int infoType);
// A table name as written in statements: "[tVO - Frevo]" when it holds a blank.
std::string tableReference(std::string_view table);

// The fields of a page that a statement is made of: the key fields (the leading run of fields
// without a control) and the changed fields (fields with a control whose value differs from the
// loaded one, except computed, read-only and borrowed ones), in description order.
struct PageChanges {
    std::vector<const TsDesc*> keys;
    std::vector<const TsDesc*> changed;
};
using HasControl = std::function<bool(const TsDesc&)>;
PageChanges pageChanges(const std::vector<TsDesc>& fields, const HasControl& hasControl);

// What a page statement is built from.
struct PageStatementContext {
    std::string table; // TVehiclesOstrel for the client vehicles, else the main table
    int slot = 0;      // the entry of the page
    bool insert = false;
    std::string kindCaption; // "VO", "VD", "VN", "CL"
    std::string typeVO;      // "TypeVO" of the record document
    int idTypeVO = 0;
    std::string clientId; // current client identifier
    std::string idUser;
    std::string userConcession;
    int today = 0; // local date, for a client's creation date
};

// "Update T set a=1,b='x' where (k=1) and (j=2)", or the insert with its placeholders; empty when
// nothing changed.
std::string pageStatement(const PageChanges& changes, const PageStatementContext& context);
// An update whose condition is empty would change every row of the table.
bool isUnkeyedUpdate(std::string_view statement);
