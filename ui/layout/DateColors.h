#pragma once

// Backgrounds of the date pickers by the kind of limit their exit check applies.
namespace dates {
inline constexpr unsigned Bounded = 16777200; // between the record's date limits
inline constexpr unsigned Past = 15794175;    // not after today
inline constexpr unsigned Future = 16773375;  // not before today
inline constexpr unsigned Birth = 12648447;   // a birth date
} // namespace dates
