#pragma once
// Runs stories of the real talvenor.dll, each in a process of its own: the
// stand-in's hook chain and the plug-in's module-wide state outlive a
// FreeLibrary, so only a fresh process is a fresh host. This program
// starts itself again with `--e2e-story` and a filter naming the story (suites ending in Story are stories).
#include <initializer_list>
#include <string>

namespace e2e {

inline constexpr char kStoryFlag[] = "--e2e-story";

// Runs the stories one after the other, each in a new process, all in one
// fresh scratch directory as their working directory (so a later story
// finds the files an earlier one left). Fails the calling test when a
// story fails, hangs, or runs no test.
void RunStories(std::initializer_list<std::string> stories);

}  // namespace e2e
