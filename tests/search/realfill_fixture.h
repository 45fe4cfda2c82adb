#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "autofill_fixture.h"
#include "core/construction.h"
#include "core/document.h"
#include "search/autofill.h"
#include "search/autofillsource.h"
#include "search/wordsource.h"
#include "support/fakehost.h"

namespace quotella::test {

// A real puzzle made from an `Author@Work@Quotation` line, with the bundled dictionary
// (WordNet's marks included) and the avoid-lists of the puzzle.
class RealFillTest : public ::testing::Test {
 protected:
  void MakeFrom(const std::string& line) {
    if (!HasDictionary(m_dictDir)) GTEST_SKIP() << "no dictionary in " << m_dictDir;
    InitPuzzleDefaults(m_doc);
    ResetPuzzle(m_doc);
    ASSERT_EQ(QuotesEditorDblClick(m_doc, line), DblClickResult::Made);
    m_problem = MakeAutofillProblem(m_doc);
    PrepareAutofillOptions(m_doc, m_options);
  }

  // The fill uses up the pool and holds no excluded word or stem.
  void ExpectSoundFill(const std::vector<std::string>& words) const {
    EXPECT_TRUE(Verified(m_problem, words));
    for (const auto& w : words) {
      EXPECT_EQ(m_options.exclude.count(w), 0u) << w;
      EXPECT_EQ(m_options.excludeStems.count(StemOf(w)), 0u) << w;
    }
  }

  std::string m_dictDir = QUOTELLA_PROGRAM_DIR "/";
  FakeHost m_host;
  PuzzleDocument m_doc{m_host};
  AutofillDictionary m_dict{m_dictDir};
  AutofillProblem m_problem;
  AutofillOptions m_options;
};

}  // namespace quotella::test
