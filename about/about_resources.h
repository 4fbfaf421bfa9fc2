// Resource IDs of About.exe.
#pragma once
#define IDI_ABOUT 1
