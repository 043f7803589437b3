#pragma once

namespace vestrano {

// The decimals of a number written with 15 significant digits: 0.1 has one, 7.25 two, 300
// none.
int decimals(double v);

// v + d rounded to the decimals of d, or of v when v has more but no more than ten: a value
// stepped again and again gathers no binary noise (0.1 + 0.2 gives 0.3), a typed 0.85 keeps
// its offset, and a value with a long tail (1/3, a mouse position) joins the step's grid. When
// d has more than ten decimals, or is 0, the plain sum.
double gridSum(double v, double d);

// a + b as decimal numbers: rounded to the finer decimals of the two when both have no more
// than ten (10.8 - 10 gives 0.8); else, or when either is 0, the plain sum.
double decimalSum(double a, double b);

} // namespace vestrano
