// The Windows headers, for the adapter sources only. Include this after every
// header of ours: windows.h defines S_OK, E_FAIL and friends as macros, which
// would rewrite the ks:: constants of the same names.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif

#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <mmsystem.h>
#include <objbase.h>
#include <strmif.h>

// The dialog host has operations of these names; Windows' A/W aliases would
// rename them. The adapters call the W functions by their full names.
#undef GetWindowText
#undef SetWindowText
#undef MessageBox
