#pragma once
// The final checks run each time the results of a member are shown (and by
// the batch design before it writes a member): the slenderness of the chosen
// section, and in compression the limit slenderness by the rule chosen in the
// additional data. φ, σ and Δ stay those of the last evaluation.

void finalSlendernessCheck(bool tension);
