// Scripting the two random numbers of the game's draw so that it takes one fixture word.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>

#include "game/word_draw.h"
#include "support/test_app_folder.h"
#include "ui/fake_platform.h"

namespace vondrik::test {

inline void pickWord(FakeRandom& random, const QString& word) {
    const auto entries = fixtureEntriesOfLength(static_cast<int>(word.size()));
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&](const auto& e) { return e.begriff == word; });
    ASSERT_NE(found, entries.end()) << word.toStdString();
    const double index = static_cast<double>(found - entries.begin());
    random.script({(word.size() - game::kShortestGameWord + 0.5) / 8,
                   (index + 0.5) / static_cast<double>(entries.size())});
}

}  // namespace vondrik::test
