// The steps of the exercise's arithmetic, each written once: the subject's
// numbers are these steps rounded down as the worked answers print them,
// and practice mode follows a student's own earlier answers through the
// same steps, unrounded.
#pragma once

#include "constants.h"

namespace Arithmetic {

// mmol of lactate in `litres` of fluid whose level fell by `fall` mmol/L.
template <typename T> T lactateMetabolised(T litres, T fall) {
    return litres * fall;
}

// mmol of ATP to turn `lactate` mmol into a product that costs `atpFor2`
// ATP for every 2 lactate.
template <typename T> T atpFor(T lactate, T atpFor2) {
    return lactate / T(2) * atpFor2;
}

// mmol of lactate to oxidise for `atp` mmol of ATP.
template <typename T> T lactateToOxidise(T atp) {
    return atp / T(Constants::atpPerLactateOxidised);
}

// mg of `mmol` lactate.
inline double massOfLactate(double mmol) {
    return mmol * Constants::lactateMolarMass;
}

// L of oxygen that oxidising `mg` of lactate consumes.
inline double oxygenForLactate(double mg) {
    return mg / 1000 * Constants::oxygenPerGram;
}

// The increase in oxygen consumption that `extra` L over 30 minutes makes
// on `usual` L per 30 minutes, in tenths of a per cent.
inline double increaseTenthsOfPercent(double extra, double usual) {
    return extra * 1000 / usual;
}

} // namespace Arithmetic
