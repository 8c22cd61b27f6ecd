// Angles as headers and projection parameters write them.
#pragma once

namespace qm::geo {

// DDDMMMSSS.SS, the projection package's packed form (141000000.00 is 141 degrees,
// -2030000.5 is -2 degrees 30 minutes 0.5 seconds), in decimal degrees.
double degreesFromPackedDms(double packed);

// DDDMMSS.SSSS, degrees, minutes and seconds run together as corner coordinates
// write them (1203722.5469 is 120 degrees 37 minutes 22.5469 seconds), in decimal
// degrees; the sign is kept.
double degreesFromDms(double dms);

}  // namespace qm::geo
