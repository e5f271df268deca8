\\ SPDX-License-Identifier: GPL-3.0-or-later
\\ The walk of tamsel-cli --exact for x = sqrt(d), written in GP for a
\\ comparison of speed: s = floor(sqrt(d)), k = floor((p + s) / q),
\\ p' = k q - p, q' = q_before + k (p - p'); the period starts at the first
\\ reduced x and closes when that x comes back. Stops after maxsteps steps.
\\ Returns [steps, period start, period length] (0, 0 when not closed).
sqrtwalk(d, maxsteps) =
{
  my(s = sqrtint(d), p = 0, q = 1, before = d, k, next, n = 0, start = 0, p0 = 0, q0 = 0);
  while(1,
    if(start,
      if(p == p0 && q == q0, return([n, start, n - start + 1])),
      if(q > 0 && p > 0 && p <= s && q > s - p && q - p <= s, start = n + 1; p0 = p; q0 = q));
    if(n == maxsteps, return([n, 0, 0]));
    k = (p + s) \ q;
    next = k * q - p;
    [before, q] = [q, before + k * (p - next)];
    p = next;
    n++);
}

\\ Prints the result, then the milliseconds the walk took.
timedwalk(d, maxsteps) =
{
  my(result, ms);
  gettime();
  result = sqrtwalk(d, maxsteps);
  ms = gettime();
  print(result);
  print(ms);
}
