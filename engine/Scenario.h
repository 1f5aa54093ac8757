#pragma once
// A scenario file, named by the environment variable LUMEO_ENGINE_SCENARIO, scripts what the
// stand-in engine does by itself after Tavik_initialize, so that incoming calls, messages
// and presence traffic can be tried by hand. One instruction per line; '#' starts a comment.
//
//   event <delay ms> <type> [session=N] [remote=T] [display=T] [code=N] [status=T] [note=T]
//                           [request=T] [body=T] [early=1] [video=1] [subscribe=N]
//
// Texts are UTF-8; a text with blanks is written in double quotes. The delay counts from
// Tavik_initialize. Lines that cannot be read are skipped.
#include "engine/EventRecord.h"

#include <string>
#include <vector>

namespace tavik_sim {

struct ScenarioEvent {
    int delayMs;
    EventData event;
};

std::vector<ScenarioEvent> ParseScenario(const std::string& text);
// The scenario named by the environment; empty without one.
std::vector<ScenarioEvent> LoadScenarioFromEnvironment();

} // namespace tavik_sim
