// The physiology and biochemistry the exercise works with, each figure
// once: the arithmetic of the subject, the printed texts (through constant
// items), the hints of practice mode and its carried-forward sums all take
// them from here, so that what the student reads and what is computed
// cannot disagree.
#pragma once

namespace Constants {

// Extracellular fluid, per cent of body weight; 1 kg of it taken as 1 L.
inline constexpr int ecfPercent = 20;

// ATP, GTP and UTP spent making each product from 2 lactate.
inline constexpr int glucoseAtp = 6;
inline constexpr int liverGlycogenAtp = 7;
inline constexpr int muscleGlycogenAtp = 8;

// ATP yielded by oxidising one lactate to carbon dioxide and water.
inline constexpr int atpPerLactateOxidised = 15;

inline constexpr double lactateMolarMass = 90.1; // g/mol
inline constexpr double oxygenPerGram = 0.746;   // L of oxygen per g of lactate oxidised

// Energy yielded per litre of oxygen consumed, whatever the fuel.
inline constexpr int kilojoulesPerLitreOxygen = 20;
inline constexpr int halfHoursPerDay = 48;

} // namespace Constants
