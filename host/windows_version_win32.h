#pragma once

// True on the Windows 95/98/Me family, the only one with the screen-saver
// password services of MPR.DLL and PASSWORD.CPL.
bool isWindows9x();
