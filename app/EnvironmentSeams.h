#pragma once
// Seams that a test driving the real program chooses through the environment, so that no
// run of it ever waits on a person:
//   LUMEO_TEST_PROMPTS        a file; every message box (framework prompt or the program's own
//                             message box) is appended to it as one UTF-8 line instead of shown
//   LUMEO_TEST_PROMPT_ANSWER  the button id each of them answers (default IDOK)
// Line form: <kind> TAB <style> TAB <text>, kind "prompt" or "msgbox" (style 0), with
// backslash, tab, CR and LF in the text written as \\ \t \r \n.
// Without the values nothing is replaced.

// Installs what the environment asks for; called first thing at start-up.
void InstallEnvironmentSeams();
