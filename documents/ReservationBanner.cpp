// The reservation banner of the new-vehicle page, rebuilt at every record load.
#include "ui/TAxKelvaro.h"

#include "app/Cp1252.h"
#include "documents/Reservation.h"
#include "ui/controls/AllKinds.h"

void TAxKelvaro::GetInfoReservation()
{
    TextLabel* const labels[] = {LbResa1, LbResa2, LbResa3, LbResa4};
    const auto lines = reservationLines(RecordDoc);
    for (size_t i = 0; i < std::size(labels); ++i) {
        if (lines)
            labels[i]->setText(fromCp1252((*lines)[i]));
        labels[i]->setVisible(lines.has_value());
    }
}
