\\ SPDX-License-Identifier: GPL-3.0-or-later
\\ The fundamental unit of Z[sqrt(D)] and the decimal digits of its x and y,
\\ as tamsel-cli --pell must write them; D comes from the environment (PELL_D).
default(parisizemax, 2^32);
D = eval(getenv("PELL_D"));
u = quadunit(4 * D);
x = Str(component(u, 2));
y = Str(component(u, 3));
print(#x, " ", #y);
quit;
