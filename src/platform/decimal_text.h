#pragma once

class QString;

// A quantity, price or size as the shortest plain decimal that reads back as the same
// value: 100000 is "100000" (never "1e+05"), 2.0 is "2", 0.1 is "0.1" and -0.0 is "0".
QString decimalText(double value);
