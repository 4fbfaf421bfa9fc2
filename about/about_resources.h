// Resource IDs of About.exe.
#pragma once
#define IDI_ABOUT 1
#define SCRIVEX_VERSION_MAJOR 1
#define SCRIVEX_VERSION_MINOR 0
#define SCRIVEX_VERSION_BUILD 0
#define SCRIVEX_VERSION_TEXT "1.0.0"
