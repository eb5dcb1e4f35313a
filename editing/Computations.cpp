#include "editing/Computations.h"

#include "app/DayDate.h"
#include "app/Numbers.h"
#include "view/CaseText.h"

namespace {
// The margin scheme's VAT rate, 19.6 %, as the dealerships' sheets write it.
constexpr double kVatFactor = 1.196;
constexpr double kVatRate = 0.196;

int wholeNumberOr(std::string_view text, int fallback)
{
    const auto value = parseWholeNumber(text);
    return value ? int(*value) : fallback;
}
} // namespace

double amountOf(std::string_view text)
{
    return parseNumber(text).value_or(0.0);
}

Margins computeMargins(const MarginInputs& in)
{
    const double base = in.sellingPrice - in.tradeInPrice;
    const double vat = in.vatMode == 2 ? 0.0 : base / kVatFactor * kVatRate;
    Margins out;
    out.vat = formatAmount(vat);
    // The gross margin takes the VAT as shown, rounded to the cent.
    double gross = in.tpvo + base - amountOf(out.vat);
    if (in.vatMode == 2)
        gross /= kVatFactor;
    out.gross = formatAmount(gross);
    out.net = formatAmount(gross - in.costTotal - in.warrantyPrice);
    return out;
}

double newVehicleBalance(double price, double financed, double tradeIn, double downPayment)
{
    return price - financed - tradeIn - downPayment;
}

int deliveryOrAvailability(const PurchaseDates& dates)
{
    return dates.delivery != 0 ? dates.delivery : dates.availability;
}

int treasuryDueDate(const PurchaseDates& dates)
{
    const int delivered = deliveryOrAvailability(dates);
    if (dates.purchase == 0)
        return delivered != 0 ? delivered : dates.due;
    if (dates.declaredDelivered == 0)
        return delivered != 0 && delivered + 5 <= dates.due ? delivered + 5 : dates.due;
    return delivered != 0 && delivered < dates.declaredDelivered ? delivered + 5
                                                                 : dates.declaredDelivered + 5;
}

int financingDelay(const std::vector<std::string>& delayEntries, std::string_view financingType)
{
    const std::string type = upperCp1252(financingType);
    if (type.empty())
        return 0;
    const std::string key = type + " : ";
    int days = 0;
    for (const std::string& entry : delayEntries) {
        const std::string text = upperCp1252(entry);
        if (days == 0)
            days = wholeNumberOr(text, 30);
        if (text.compare(0, key.size(), key) == 0) {
            days = wholeNumberOr(std::string_view(text).substr(key.size()), 10);
            break;
        }
    }
    return days;
}

int daysToMonthEndFrom(int day)
{
    for (int days = 30;; ++days) {
        int y = 0, m = 0, d = 0;
        civilFromDay(day + days + 1, y, m, d);
        if (d == 1)
            return days;
    }
}

int paymentDueDate(const PurchaseDates& dates, const std::vector<std::string>& delayEntries,
                   std::string_view financingType, std::string_view destination)
{
    const int delivered = deliveryOrAvailability(dates);
    if (delivered == 0)
        return 0;
    const int days = upperCp1252(destination) == "GROUPE"
                         ? daysToMonthEndFrom(delivered)
                         : financingDelay(delayEntries, financingType);
    return delivered + days;
}
