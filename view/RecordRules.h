#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "server/TXml.h"

// Kind of the record shown, rights of the user on it, and the texts of the window's header.

// "_TVO", "_TVD", "_TVN" or "_TCL". A record without "TypeVO" (a new one) is a used vehicle when
// the requested type is 1.
std::string recordKind(bool hasClient, const std::optional<std::string>& typeVO,
                       std::string_view statutVD, int idTypeVO);
// "VO", "VD", "VN" or "CL".
std::string kindCaption(std::string_view kind);

// The user's sites cover the record: "#" covers every site, an empty record site none; the
// record's owner always has the right.
bool siteRights(std::string_view userSite, std::string_view recordSiteUpper, std::string_view owner,
                std::string_view idUser);
// A vehicle delivered before the lock date can no longer be changed.
bool lockedByDelivery(std::string_view deliveryDate, int lockDate);
// Whether one of the user's groups (items "GName" of "GNames", "USER_" removed) is listed in
// groups, a text of upper-case names each framed by ";". Without site rights, no right at all.
bool hasGroupRight(const TXml& record, std::string_view groups, bool siteRightsGranted);

// Dates of "OptDates": the limits of the dates the user may enter and the server's today.
struct OptionDates {
    int start = 0;
    int startFrevo = 0;
    int startOstrel = 0;
    int lock = 0;
    int today = 0;
    bool valid = true; // false when a limit lay after the server's today
};
// A limit after the server's today makes every limit 0 (read again at the next refresh).
OptionDates readOptionDates(const TXml& record);

// Header texts.
std::string vehicleTitle(std::string_view make, std::string_view version);
std::string identityText(std::string_view civility, std::string_view surname,
                         std::string_view firstName);
int emailFontSize(size_t length);
std::string GroupPhoneDigits(std::string_view phone);
// Whole days between two day numbers, never negative.
int daysBetween(int first, int second);
// Days since a used vehicle came in: to its order date, else to the server's today.
std::string usedVehicleDays(std::string_view orderDate, std::string_view entryDate, int serverToday,
                            int today);
// Days from the order of a new vehicle to its invoice (or registration), empty when none.
std::string newVehicleDays(std::string_view orderDate, std::string_view invoiceDate,
                           std::string_view registrationDate, int today);
// A hint speaking of vehicles for a client record (and the reverse).
std::string swapHintWord(std::string_view hint, bool isClient);
