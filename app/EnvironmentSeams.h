#pragma once
// Seams that a test driving the real program chooses through the environment, so that no
// run of it ever waits on a person:
//   LUMEO_TEST_PROMPTS        a file; every message box (framework prompt or the program's own
//                             message box) is appended to it as one UTF-8 line instead of shown
//   LUMEO_TEST_PROMPT_ANSWER  the button id each of them answers (default IDOK)
//   LUMEO_TEST_SHELL          a file; every tray icon call and every shell open is appended to
//                             it instead of reaching the shell, and every presence notice's
//                             text as it pops up
// Line forms, UTF-8, with backslash, tab, CR and LF in texts written as \\ \t \r \n:
//   prompt TAB <style> TAB <text>      a framework prompt
//   msgbox TAB 0 TAB <text>            the program's own message box
//   tray TAB <NIM_ message> TAB <icon id>
//   shell TAB <verb> TAB <file>
//   notice TAB 0 TAB <text>            a presence notice (still shown)
// Without the values nothing is replaced.

// Installs what the environment asks for as the system table (framework/SystemAnswers.h);
// called first thing at start-up.
void InstallEnvironmentSeams();
