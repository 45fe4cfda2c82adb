#pragma once

#include <map>
#include <vector>

#include "search/autofill.h"

namespace quotella::test {

// Hand-made autofill candidates by initial, served as an engine's word source.
using AutofillWords = std::map<char, std::vector<AutofillWord>>;

inline AutofillWordSource SourceOf(const AutofillWords& words) {
  return [&words](char initial) -> const std::vector<AutofillWord>& {
    static const std::vector<AutofillWord> none;
    auto it = words.find(initial);
    return it == words.end() ? none : it->second;
  };
}

}  // namespace quotella::test
