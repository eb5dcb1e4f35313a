#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <QChar>
#include <QString>

#include "editing/DateRule.h"

// Rules of editing a field: what a combo box or list box stores, the date limits and their
// messages, the lock warning, the key filters.

// The value a combo box stores: its item position (from 1, or from 0 with a blank first entry),
// "True"/"False" for a yes/no field, else its text; always cut before " : ".
std::string comboValue(bool byIndex, bool blankFirst, int itemIndex, int infoType,
                       std::string_view text, std::string_view staffIdentifier, bool staffList);

// The value a list box stores: ";" + the code of each selected entry + a final ";" (empty when
// nothing is selected), and the texts of the selected entries joined by " - ".
struct ListBoxValue {
    std::string value;
    std::string texts;
};
ListBoxValue listBoxValue(const std::vector<bool>& selected, const std::vector<std::string>& texts,
                          std::string_view codes);

// The name of a field in the messages: its caption without ":" (its name when that leaves
// nothing).
QString fieldNameInMessages(const QString& caption, const QString& fieldName);
// A required value that is missing and whose control cannot take the focus.
QString requiredValueMessage(const QString& caption, const QString& fieldName);
inline constexpr const char* kRequiredValueTitle = "Saisie obligatoire"; // UTF-8

// The rule of a page's date field between its limits (0 = none), named by its caption.
DateRule fieldDateRule(const QString& caption, const QString& fieldName, int minimum = 0,
                       int maximum = 0);
// Eighteen years before today (the 28th of February when today is the 29th).
int adultBirthLimit(int today);

// The limits a date field is checked against when the user leaves it.
enum class DateLimitKind {
    NotAfterServerToday,     // dates of the past: first registration, order, last service
    NotBeforeServerToday,    // dates to come: availability, latest delivery, next service
    WithinPeriod,            // dates of the accounting period: entry, order, delivery, payment
    AfterOrderOrCirculation, // end of a client vehicle's warranty or financing
    AdultBirth,              // a client's birth date
};
// What the limits are computed from: the window's date limits (0 = none), the local clock and,
// for the end dates of a client vehicle, its order date and first registration as shown.
struct DateLimits {
    int serverToday = 0;
    int periodStart = 0;
    int periodEnd = 0;
    int today = 0;
    std::string orderDate;
    std::string circulationDate;
};
struct DateBounds {
    int minimum = 0;
    int maximum = 0;
};
// The bounds of a kind of field; nothing when the field is not checked at all (a client vehicle's
// end date while neither its order date nor its first registration holds a date).
std::optional<DateBounds> dateBounds(DateLimitKind kind, const DateLimits& limits);

// The warning of a locked record.
QString lockWarning(bool siteRightsGranted, int lockDate);

// List maintenance mode: with Ctrl held, the remove key takes the combo's text out of its list
// when it is listed (-1) and the add key puts it in when it is not (0); nothing otherwise.
std::optional<int> listMaintenanceMode(bool ctrlHeld, int key, bool textListed, int removeKey,
                                       int addKey);

// Key filters: the character to let through, or 0 to discard it.
QChar phoneKey(QChar key);
QChar plateKey(QChar key);
QChar capitalKey(QChar key);
