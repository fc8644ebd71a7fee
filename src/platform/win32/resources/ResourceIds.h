#pragma once
// Resource numbers shared by KelvoTop.rc and the code. The program icon has
// the lowest number, so Explorer shows it for the file.
#define IDI_KELVOTOP 1
#define IDI_WAIT 2
