#pragma once

#include <string>
#include <string_view>
#include <vector>

// Prices, VAT on the margin, margins, the balance of a new vehicle and its two due dates.
// Amounts are plain numbers (unreadable texts count as 0), dates day numbers (0 = no date).

// An amount as the computations read it: a number with a point, 0 when unreadable.
double amountOf(std::string_view text);

// VAT and margins of a used vehicle. The VAT mode is the position of the VAT combo counted
// from 1; 2 means no VAT on the margin, any other position the margin scheme at 19.6 %.
struct MarginInputs {
    double sellingPrice = 0;
    double tradeInPrice = 0;
    double tpvo = 0;
    double warrantyPrice = 0;
    double costTotal = 0; // the reconditioning costs
    int vatMode = 1;
};
struct Margins {
    std::string vat;   // "0.00"
    std::string gross; // "0.00"
    std::string net;   // "0.00"
};
Margins computeMargins(const MarginInputs& in);

// What is still due on a new vehicle once financing, trade-in and down payment are counted.
double newVehicleBalance(double price, double financed, double tradeIn, double downPayment);

// Dates of a new vehicle's purchase that the due dates are computed from.
struct PurchaseDates {
    int purchase = 0;          // cVNDateAchat
    int delivery = 0;          // cVNDateLivraison
    int availability = 0;      // cVNDateDisponibilite
    int declaredDelivered = 0; // cVNDateDeclareLivre
    int due = 0;               // cVNDateEcheance
};
// The delivery date, or the availability date when there is none.
int deliveryOrAvailability(const PurchaseDates& dates);
// Treasury due date; 0 when none can be given.
int treasuryDueDate(const PurchaseDates& dates);
// Days between delivery and payment for a financing type, from the entries of the list
// "TypeFinancementDelai" ("CREDIT : 45"): the first entry read as a number (30 when it is not one)
// unless an entry names the type, whose number then counts (10 when unreadable).
int financingDelay(const std::vector<std::string>& delayEntries, std::string_view financingType);
// Days from a date to the last day of a month, at least 30: the delay of the group's own sales.
int daysToMonthEndFrom(int day);
// Payment due date of a new vehicle: its delivery (or availability) date plus the financing
// delay, or, for the group's own sales ("GROUPE"), the first month end at least 30 days later.
// 0 when there is no delivery or availability date.
int paymentDueDate(const PurchaseDates& dates, const std::vector<std::string>& delayEntries,
                   std::string_view financingType, std::string_view destination);
