// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/irrational_progress.h"

#include "exact/tier_widths.h"

namespace tamsel::exact::detail {

void IrrationalProgress::MarkPeriodStart(const mpz_class& p, const mpz_class& q) {
    periodStart = steps + 1;
    startP = p;
    startQ = q;
    startFits64 = MagnitudeBelow(p, kHeldBy64) && MagnitudeBelow(q, kHeldBy64);
    startFits128 = MagnitudeBelow(p, kHeldBy128) && MagnitudeBelow(q, kHeldBy128);
    if (startFits64) {
        startP64 = ToInt64(p);
        startQ64 = ToInt64(q);
    }
    if (startFits128) {
        startP128 = ToInt128(p);
        startQ128 = ToInt128(q);
    }
}

}  // namespace tamsel::exact::detail
