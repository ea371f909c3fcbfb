#include "forms/SendKeysNotation.h"

#include "tests/support/VbErrorOf.h"

#include <gtest/gtest.h>

namespace corvane::forms {
namespace {

using Key = KeyStroke::Key;

TEST(SendKeysNotation, ReadsNamedKeysCharactersAndTheModifiersHeldForTheNextKey) {
    const std::vector<KeyStroke> expected{
        {.key = Key::Enter},
        {.key = Key::Enter},
        {.key = Key::Tab, .shift = true},
        {.character = 'c', .control = true},
        {.character = 'f', .shift = true, .alt = true},
        {.key = Key::Backspace},
        {.key = Key::Escape},
        {.character = '+'},
        {.character = '}'},
        {.character = '\xE9'},
    };
    EXPECT_EQ(parseSendKeys("{ENTER}~+{TAB}^c+%f{BKSP}{ESCAPE}{+}{}}\xE9"), expected);
    EXPECT_TRUE(parseSendKeys("").empty());
}

TEST(SendKeysNotation, WhatItCannotReadFailsWith5) {
    for (const char* notation : {"{F4}", "{ENTER 2}", "{ENTER", "{}", "}", "(ab)", "[", "a]"}) {
        EXPECT_EQ(corvane::test::vbErrorOf([&] { parseSendKeys(notation); }), 5) << notation;
    }
}

} // namespace
} // namespace corvane::forms
