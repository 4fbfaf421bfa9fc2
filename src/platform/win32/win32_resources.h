// Resource IDs shared by the resource script and the code.
#pragma once
#define IDI_SCRIVEX 1
