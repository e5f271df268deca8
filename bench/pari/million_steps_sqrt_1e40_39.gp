\\ SPDX-License-Identifier: GPL-3.0-or-later
\\ 10^6 steps of sqrt(10^40 + 39), whose values exceed 64 bits.
read("sqrt_walk.gp");
timedwalk(10^40 + 39, 10^6);
quit;
