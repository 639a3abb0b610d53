#pragma once

class QString;

// A quantity, price or size as the shortest plain decimal that reads back as the same
// value: 100000 is "100000" (never "1e+05"), 2.0 is "2", 0.1 is "0.1" and -0.0 is "0".
QString decimalText(double value);

// The value rounded to `places` decimals (halves to even: R(x × 10^places) ÷ 10^places)
// in the same shortest form: roundedText(2.25, 1) is "2.2", roundedText(0.125, 2) "0.12".
QString roundedText(double value, int places);
