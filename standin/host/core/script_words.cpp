#include "script_words.h"

namespace standin::host {

namespace {

using Kind = ScriptCommand::Kind;
using R = ScriptReading;

constexpr ScriptWord kWords[] = {
    {"key", "NAME...", Kind::Keys, R::kKeyNames, text::story::kTakesKeyNames,
     "key presses: `Esc Enter Tab Shift-Tab F12 Shift-F10 Alt-H Ctrl-S Up PgDn Space A 0x5D00` ..."},
    {"type", "TEXT", Kind::Type, R::kText, text::story::kTakesText,
     "types the text (UTF-8, any character of the code page; one it lacks is an error of the script); "
     "`\"quoted\"` keeps blanks and `#`"},
    {"wait", "SECONDS", Kind::Wait, R::kSeconds, text::story::kTakesSeconds, "lets time pass"},
    {"today", "DATE", Kind::Today, R::kDate, text::story::kTakesDate,
     "sets the host's date (`DD.MM.YYYY`, `YYYY-MM-DD` or `YYYYMMDD`)"},
    {"time", "HH:MM[:SS]", Kind::Time, R::kTime, text::story::kTakesTime, "sets the host's time of day"},
    {"screen", "[LABEL]", Kind::Show, R::kOptionalText, text::story::kTakesLabel, "prints the screen as it is now"},
    {"calls", "", Kind::Calls, R::kNothing, text::story::kTakesNothing, "prints the service calls since the last `calls`"},
    {"expect", "TEXT", Kind::Expect, R::kText, text::story::kTakesText, "the screen must show TEXT, else the run fails"},
    {"expect-not", "TEXT", Kind::ExpectNot, R::kText, text::story::kTakesText, "the screen must not show TEXT"},
    {"expect-call", "TEXT", Kind::ExpectCall, R::kText, text::story::kTakesText,
     "a call since the last `calls` must read TEXT"},
    {"expect-calls", "N TEXT", Kind::ExpectCalls, R::kCountAndText, text::story::kTakesCountAndText,
     "exactly N calls since the last `calls` read TEXT"},
};

}  // namespace

std::span<const ScriptWord> ScriptWords() { return kWords; }

}  // namespace standin::host
