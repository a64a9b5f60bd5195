#pragma once
#include <string>

// One line on the debug console (standard output).
void Print(const std::string& text);
// A modal message box with one button; written to the console instead when
// there is no display to show it on (headless and scripted runs).
void Notify(const std::string& text, int serious = 0);
