#include "app/app_icon.hpp"

#include <wx/image.h>
#include <wx/mstream.h>

#include "app/app_icon_data.hpp"

wxIconBundle LoadAppIcon() {
  if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
    wxImage::AddHandler(new wxPNGHandler);
  wxIconBundle icons;
  for (std::size_t i = 0; i < kAppIconImageCount; ++i) {
    wxMemoryInputStream stream(kAppIconImages[i].png, kAppIconImages[i].length);
    const wxImage image(stream, wxBITMAP_TYPE_PNG);
    if (image.IsOk()) {
      wxIcon icon;
      icon.CopyFromBitmap(wxBitmap(image));
      icons.AddIcon(icon);
    }
  }
  return icons;
}
