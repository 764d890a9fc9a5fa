// Icon resource 128: the application icon in every embedded size.
#pragma once

#include <wx/iconbndl.h>

wxIconBundle LoadAppIcon();
