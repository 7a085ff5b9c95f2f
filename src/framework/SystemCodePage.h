#pragma once
// The system's ANSI code page, as the platform reads names and paths in it.
#include "framework/logic/AnsiCodePage.h"

namespace hopvox {

// Lead bytes as the system's code page has them; names compare as Unicode
// text with the case of every letter folded, so a trail byte is never folded
// on its own and every letter of the code page has its own upper case.
const TAnsiCodePage& SystemCodePage();

}  // namespace hopvox
