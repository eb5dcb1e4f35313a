#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <QString>

// Rules of saving a record: the values required before anything is sent, the key of a new row in
// the server's reply, and the warnings of a save that is refused.

// A required value of a vehicle: a stock number that must read as a whole number other than 0,
// or a text that must not be empty.
struct RequiredValue {
    const char* control;
    bool stockNumber;
};
// The required values of a vehicle by the record kind's caption ("VO", "VD", "VN"), in the order
// they are checked; none for other kinds.
std::vector<RequiredValue> vehicleRequiredValues(std::string_view kindCaption);
// A stock number is missing when it does not read as a whole number other than 0.
bool stockNumberMissing(std::string_view text);
// The first registration of a used vehicle after its entry into stock (each date read as
// "dd/mm/yyyy", today when it cannot be read).
bool circulationAfterEntry(std::string_view circulation, std::string_view entry, int today);

// The controls of the client page that must not be empty, in the order they are checked.
std::vector<const char*> clientRequiredControls();
// The columns of a new follow-up action that must not be empty, in the order they are checked.
std::vector<int> newActionRequiredColumns();
// The controls of a client vehicle that must not be empty.
std::vector<const char*> clientVehicleRequiredControls();

// A statement that deletes a row (its first six characters read "DELETE" in any case).
bool isDeletion(std::string_view statement);
// The columns of a follow-up action whose saved value becomes the default of the next new one.
bool remembersActionDefault(int column);
// The settings key of that default.
std::string actionDefaultKey(int column);

// The key the server gave a new row: "NewID" of "OutParams" in the insert's reply; nothing when
// the reply holds none.
std::optional<std::string> insertedKey(std::string_view reply);
// A client identifier that marks a client being created.
bool isClientBeingCreated(std::string_view clientId);

// The warning of a page whose description has no key field: its update would change every row.
QString unkeyedPageWarning(const QString& pageCaption);
// The warning of a record created whose identifier the server did not return.
QString keyLostWarning();
