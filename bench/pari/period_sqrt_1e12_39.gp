\\ SPDX-License-Identifier: GPL-3.0-or-later
\\ The period of sqrt(10^12 + 39): 532572 quotients after the first.
read("sqrt_walk.gp");
timedwalk(10^12 + 39, 10^9);
quit;
