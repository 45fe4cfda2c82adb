#pragma once

#include <cstdint>
#include <functional>
#include <stop_token>

#include "search/autofill.h"

namespace quotella {

// Asked every 256 search nodes with the count so far; true ends the search (it then
// reports itself stopped unless it found fills).
using ExactFillHook = std::function<bool(std::uint64_t nodes)>;

// The exact engine: finds fills of every slot that use up the pool exactly, or proves
// that none exists.
//
// Exact cover with multiplicities: the columns are the slots (each takes one word) and
// the pool letters (each taken exactly as often as the pool holds it). A node keeps, for
// every open slot, the candidates that still fit the remaining pool (letter counts in
// byte lanes, compared a vector at a time); it fails as soon as a slot has none, the
// remaining length lies outside what the open slots can take, or some letter exceeds
// what the open slots can hold at most. It branches on the slot with the fewest
// candidates, the best standing first (WordStanding) and then words near the average length still
// needed; the last two slots are closed by looking up the remainder by its letter
// counts. Remainders proved to have no completion are remembered. No two slots take
// words of one stem. The search is deterministic: equal input gives equal fills in equal
// order, and NoFill is only reported when the whole space was tried. The stop token and the
// time limit (on options.clock) are looked at every few nodes and while the candidates of
// each initial are built.
AutofillResult RunExactFill(const AutofillProblem& problem, const AutofillWordSource& words,
                            const AutofillOptions& options, std::stop_token stop = {},
                            const std::function<void(const AutofillProgress&)>& progress = {},
                            const ExactFillHook& hook = {});

}  // namespace quotella
